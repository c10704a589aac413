#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "faces/BoardPicture.h"
#include "faces/FaceCache.h"
#include "faces/FaceMaker.h"
#include "parallel/FacesAhead.h"
#include "parallel/SpareCores.h"

namespace {

// A face is made once for its scale and kept; a new scale makes faces of its own size.
TEST(FaceCache, KeepsEachFaceOfItsScaleAndRemakesThemForAnother)
{
    TFaceCache cache(1.25);
    const TFacePicture a{3, TScript::Hiragana, TFaceShows::KanaWithReading, 0, false};
    TFacePicture b = a;
    b.Highlighted = true;
    const TPixelImage* first = &cache.Face(a);
    EXPECT_EQ(&cache.Face(a), first);
    EXPECT_EQ(cache.Count(), 1u);
    EXPECT_EQ(cache.Face(b).Pixels, MakeFace(b, 1.25).Pixels);
    EXPECT_EQ(cache.Count(), 2u);
    cache.SetScale(1.25);
    EXPECT_EQ(cache.Count(), 2u);
    cache.SetScale(2.5);
    EXPECT_EQ(cache.Count(), 0u);
    EXPECT_EQ(cache.Face(a).Width, 100);
    EXPECT_EQ(cache.Face(a).Pixels, MakeFace(a, 2.5).Pixels);
}

// Everything that changes a face's pixels tells kept faces apart.
TEST(FaceCache, EveryPartOfAPictureHasAFaceOfItsOwn)
{
    TFaceCache cache(1);
    const TFacePicture base{60, TScript::Hiragana, TFaceShows::Kana, 0, false};
    TFacePicture kana = base, script = base, shows = base, artwork = base, lit = base;
    kana.Kana = 61;
    script.Script = TScript::Katakana;
    shows.Shows = TFaceShows::Reading;
    artwork.Artwork = 1;
    lit.Highlighted = true;
    for (const TFacePicture& face : {base, kana, script, shows, artwork, lit})
        EXPECT_EQ(cache.Face(face).Pixels, MakeFace(face, 1).Pixels);
    EXPECT_EQ(cache.Count(), 6u);
}

// A board's faces made at once, on the caller alone or on several threads: each distinct picture
// once, the same pixels as one made alone, and kept, so that drawing the tiles then makes none.
TEST(FaceCache, PreparesABoardsFacesOnceEach)
{
    size_t helpersAsked = 0;
    const TSideBySide inTurn = [&](size_t helpers, const std::function<void()>& work) {
        helpersAsked = helpers;
        for (size_t n = 0; n <= helpers; ++n)
            work();
    };
    std::vector<TFacePicture> board;
    for (TKanaId kana = 0; kana < 48; ++kana)
        for (const bool lit : {false, false, true})
            board.push_back({kana, kana % 2 ? TScript::Katakana : TScript::Hiragana, TFaceShows::KanaWithReading, 1, lit});
    for (const TSideBySide& sideBySide : {TSideBySide(), inTurn, OnSpareCores()}) {
        TFaceCache cache(1.5);
        cache.Face(board[0]);
        cache.Prepare(board, sideBySide);
        EXPECT_EQ(cache.Count(), 96u);
        const TPixelImage* kept = &cache.Face(board[140]);
        cache.Prepare(board, sideBySide);
        EXPECT_EQ(&cache.Face(board[140]), kept);
        EXPECT_EQ(cache.Count(), 96u);
        for (const size_t n : {0u, 1u, 2u, 77u, 143u})
            EXPECT_EQ(cache.Face(board[n]).Pixels, MakeFace(board[n], 1.5).Pixels) << n;
    }
    EXPECT_EQ(helpersAsked, 95u / 8) << "a helper for every eight faces missing";
}

// Faces made ahead serve a picture of their own scale only, and are let go once handed.
TEST(FaceCache, FacesMadeAheadServeOnlyAPictureOfTheirScale)
{
    const std::vector<TFacePicture> faces{{5, TScript::Hiragana, TFaceShows::Kana, 0, false},
                                          {6, TScript::Katakana, TFaceShows::Reading, 1, false}};
    TBoardPicture board(TPixelImage(6, 1), TPixelImage(12, 2));
    board.Resize(10, 10, 1.5);
    for (const double scale : {2.0, 1.5}) {
        std::optional<TFacesAhead> ahead(std::in_place, faces, scale);
        TFacesAhead::Hand(ahead, board);
        EXPECT_FALSE(ahead);
        EXPECT_EQ(board.FaceStore().Count(), scale == 1.5 ? 2u : 0u) << scale;
    }
}

}  // namespace
