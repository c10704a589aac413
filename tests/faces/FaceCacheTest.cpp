#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "faces/BoardPicture.h"
#include "faces/FaceCache.h"
#include "faces/FacesAhead.h"
#include "faces/FaceMaker.h"

namespace {

// A board's faces made at once on several threads, here or ahead: each distinct picture once, as it
// is made alone, a face made before kept; faces made ahead taken once, by a picture of their scale
// only, and a new scale drops them. Each part of a picture, the script too, changes its pixels.
TEST(FaceCache, PrepareMakesEachFaceOnceAndFacesAheadServeTheirScaleOnly)
{
    // Each picture twice, and for each part one that differs in that part alone.
    std::vector<TFacePicture> board;
    for (int n = 0; n < 128; ++n)
        board.push_back(
            {TKanaId(n / 32 * 7), TScript(n & 1), TFaceShows(n >> 1 & 1), uint8_t(n >> 2 & 1), bool(n >> 3 & 1)});
    TFaceCache cache(1.5);
    const TPixelImage* first = &cache.Face(board[0]);
    cache.Prepare(board);
    EXPECT_EQ(cache.Count(), 64u);
    EXPECT_EQ(&cache.Face(board[0]), first);
    std::set<std::vector<uint32_t>> pictures;
    for (size_t n = 0; n < board.size(); ++n) {
        ASSERT_EQ(cache.Face(board[n]).Pixels, MakeFace(board[n], 1.5).Pixels) << n;
        pictures.insert(cache.Face(board[n]).Pixels);
    }
    EXPECT_EQ(pictures.size(), 64u) << "each part of a picture changes its pixels";

    EXPECT_FALSE(TFacesAhead(board, 2).Take(1.5));
    TFacesAhead ahead(board, 1.5);
    std::optional<TFaceCache> made = ahead.Take(1.5);
    ASSERT_TRUE(made);
    EXPECT_FALSE(ahead.Take(1.5)) << "taken already";
    TBoardPicture picture(TPixelImage(6, 1), TPixelImage(12, 2));
    picture.Resize(10, 10, 2);
    picture.TakeFaces(std::move(*made));
    EXPECT_EQ(picture.FaceStore().Count(), 0u) << "made for another scale";
    picture.Resize(10, 10, 1.5);
    picture.TakeFaces(std::move(cache));
    EXPECT_EQ(picture.FaceStore().Count(), 64u);
    picture.Resize(10, 10, 2.5);
    EXPECT_EQ(picture.FaceStore().Count(), 0u);
}

}  // namespace
