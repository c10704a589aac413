#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "faces/BoardPicture.h"
#include "parallel/FacesAhead.h"
#include "parallel/SpareCores.h"
#include "tests/faces/PreparedFaces.h"

namespace {

// The desktops' threads give the same faces as the caller alone.
TEST(FaceCache, PreparesABoardsFacesOnceEachOnSpareCores)
{
    ExpectBoardsFacesPreparedOnceEach(OnSpareCores());
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
