#include <gtest/gtest.h>

#include <functional>

#include "faces/FaceCache.h"
#include "faces/FaceMaker.h"
#include "tests/faces/PreparedFaces.h"

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

// A board's faces made at once, on the caller alone or in turn: each distinct picture once, the
// same pixels as one made alone, and kept, so that drawing the tiles then makes none.
TEST(FaceCache, PreparesABoardsFacesOnceEach)
{
    size_t helpersAsked = 0;
    const TSideBySide inTurn = [&](size_t helpers, const std::function<void()>& work) {
        helpersAsked = helpers;
        for (size_t n = 0; n <= helpers; ++n)
            work();
    };
    for (const TSideBySide& sideBySide : {TSideBySide(), inTurn})
        ExpectBoardsFacesPreparedOnceEach(sideBySide);
    EXPECT_EQ(helpersAsked, 95u / 8) << "a helper for every eight faces missing";
}

}  // namespace
