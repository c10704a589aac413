#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <climits>
#include <string>
#include <string_view>
#include <utility>

#include "faces/FaceMaker.h"
#include "model/KanaCatalogue.h"

namespace {

// The inner plate the ink is kept to, in device pixels of a cell at scale.
struct TArea {
    int Left, Top, Right, Bottom;
};

// The inner plate's pixels: those whose centres lie on it.
TArea InnerPlate(double scale)
{
    const auto first = [scale](double edge) { return int(std::ceil(edge * scale - 0.5)); };
    return {first(6), first(3), first(37), first(50)};
}

// How far apart two pixels are in the colour at shift.
int Gap(uint32_t a, uint32_t b, int shift) { return std::abs(int(a >> shift & 0xff) - int(b >> shift & 0xff)); }

int Distance(uint32_t pixel, uint32_t plate)
{
    return Gap(pixel, plate, 16) + Gap(pixel, plate, 8) + Gap(pixel, plate, 0);
}

bool IsInk(uint32_t pixel, uint32_t plate)
{
    return Distance(pixel, plate) > 24;
}

// Rows of the ink that are the row above over again: what enlarging a smaller picture by repeating
// pixels leaves behind.
double RepeatedInkRows(double scale)
{
    int inked = 0, repeated = 0;
    for (int kana = 0; kana < 48; ++kana) {
        const TPixelImage cell = MakeFace({TKanaId(kana), TScript::Hiragana, TFaceShows::Kana, 0, false}, scale);
        const TArea area = InnerPlate(scale);
        const uint32_t plate = cell.At(area.Left, area.Top);
        for (int y = area.Top + 1; y < area.Bottom; ++y) {
            bool ink = false, same = true;
            for (int x = area.Left; x < area.Right; ++x) {
                ink = ink || IsInk(cell.At(x, y), plate);
                same = same && cell.At(x, y) == cell.At(x, y - 1);
            }
            inked += ink;
            repeated += ink && same;
        }
    }
    return double(repeated) / inked;
}

// Enlarged sheets repeated 21 % of the kana's rows at 1.25 and 37 % at 1.5, against 4 % at 1.
TEST(FaceInk, FacesAtFractionalScalesAreDrawnNotEnlarged)
{
    const double atOne = RepeatedInkRows(1);
    for (const double scale : {1.25, 1.5})
        EXPECT_LT(RepeatedInkRows(scale), atOne + 0.05) << "scale " << scale << " against " << atOne << " at 1";
}

// Every catalogue kana, in both scripts, as each learning mode shows it, in both artworks: ink on
// the plate, and no more than an antialiased fringe on the inner plate's edge rows and columns,
// where ink would be cut off.
TEST(FaceInk, EveryCatalogueKanaIsDrawnWholeInsideThePlate)
{
    for (const double scale : {1.0, 1.5})
        for (int kana = 0; kana < CatalogueSize; ++kana)
            for (const TScript script : {TScript::Hiragana, TScript::Katakana})
                for (const TFaceShows shows : {TFaceShows::KanaWithReading, TFaceShows::Kana, TFaceShows::Reading})
                    for (const uint8_t artwork : {0, 1}) {
                        const TFacePicture face{TKanaId(kana), script, shows, artwork, false};
                        const TPixelImage cell = MakeFace(face, scale);
                        const TArea area = InnerPlate(scale);
                        const uint32_t plate = cell.At(area.Left, area.Top);
                        int darkest = 0;
                        for (int y = area.Top; y < area.Bottom; ++y)
                            for (int x = area.Left; x < area.Right; ++x)
                                darkest = std::max(darkest, Distance(cell.At(x, y), plate));
                        // Ink covering most of a pixel, as where an outline would be cut.
                        const auto solid = [&](int x, int y) {
                            return 4 * Distance(cell.At(x, y), plate) > 3 * darkest;
                        };
                        int ink = 0, onEdge = 0;
                        for (int y = area.Top; y < area.Bottom; ++y)
                            for (int x = area.Left; x < area.Right; ++x) {
                                ink += IsInk(cell.At(x, y), plate);
                                onEdge += solid(x, y) && (x == area.Left || x == area.Right - 1 || y == area.Top ||
                                                    y == area.Bottom - 1);
                            }
                        const std::string what = std::string(KanaCatalogue[size_t(kana)].Reading) + " script " +
                                                 std::to_string(int(script)) + " shows " +
                                                 std::to_string(int(shows)) + " artwork " +
                                                 std::to_string(artwork) + " scale " + std::to_string(scale);
                        EXPECT_GT(ink, 30 * scale * scale) << what;
                        EXPECT_EQ(onEdge, 0) << what;
                    }
}

// The pixels where two faces differ strongly, in some colour by more than 96 of 255: what tells a
// learner one from the other.
int StronglyDiffering(const TPixelImage& a, const TPixelImage& b)
{
    int count = 0;
    for (size_t i = 0; i < a.Pixels.size(); ++i) {
        const uint32_t p = a.Pixels[i], q = b.Pixels[i];
        count += std::max({Gap(p, q, 16), Gap(p, q, 8), Gap(p, q, 0)}) > 96;
    }
    return count;
}

// The fewest strongly differing pixels between the two kana's faces that show the kana, in both
// scripts and both artworks.
int LeastDifference(std::string_view first, std::string_view second, double scale)
{
    int least = INT_MAX;
    for (const uint8_t artwork : {0, 1})
        for (const TScript script : {TScript::Hiragana, TScript::Katakana})
            for (const TFaceShows shows : {TFaceShows::Kana, TFaceShows::KanaWithReading}) {
                const auto face = [&](std::string_view reading) {
                    return MakeFace({KanaOfReading(reading), script, shows, artwork, false}, scale);
                };
                least = std::min(least, StronglyDiffering(face(first), face(second)));
            }
    return least;
}

// A combined kana's voicing mark tells it from its unvoiced or otherwise voiced kin at least as
// clearly as ば is told from ぱ, though the first kana stands smaller beside its small second.
TEST(FaceInk, CombinedKanasMarksReadAsClearlyAsASingleKanas)
{
    for (const double scale : {1.0, 1.25, 1.5}) {
        const int single = LeastDifference("ba", "pa", scale);
        for (const auto& [first, second] : {std::pair{"bya", "pya"}, {"byu", "pyu"}, {"byo", "pyo"}, {"kya", "gya"},
                                            {"sho", "jo"}, {"hyu", "byu"}, {"hyo", "pyo"}}) {
            EXPECT_GE(LeastDifference(first, second, scale), single) << first << " " << second << " at " << scale;
        }
    }
}

// A kana's two scripts, and a kana and its reading, are different pictures.
TEST(FaceInk, ScriptsAndModesDrawDifferentPictures)
{
    for (const int kana : {0, 47, 60, 90}) {
        const auto pixels = [kana](TScript script, TFaceShows shows) {
            return MakeFace({TKanaId(kana), script, shows, 0, false}, 1).Pixels;
        };
        EXPECT_NE(pixels(TScript::Hiragana, TFaceShows::Kana), pixels(TScript::Katakana, TFaceShows::Kana)) << kana;
        EXPECT_NE(pixels(TScript::Hiragana, TFaceShows::Kana), pixels(TScript::Hiragana, TFaceShows::KanaWithReading))
            << kana;
        EXPECT_NE(pixels(TScript::Hiragana, TFaceShows::Kana), pixels(TScript::Hiragana, TFaceShows::Reading)) << kana;
    }
}

// The highlighted face is the plain one with the plate colour exchanged: outside the inner plate
// every pixel is the same, and inside it ink of full coverage is equal.
TEST(FaceInk, HighlightedFacesDifferOnlyWhereThePlateShows)
{
    for (const uint8_t artwork : {0, 1})
        for (const int kana : {5, 70, 100}) {
            TFacePicture face{TKanaId(kana), TScript::Hiragana, TFaceShows::KanaWithReading, artwork, false};
            const TPixelImage plain = MakeFace(face, 1.5);
            face.Highlighted = true;
            const TPixelImage lit = MakeFace(face, 1.5);
            const TArea area = InnerPlate(1.5);
            const uint32_t plainPlate = plain.At(area.Left, area.Top), litPlate = lit.At(area.Left, area.Top);
            int differing = 0;
            for (int y = 0; y < plain.Height; ++y)
                for (int x = 0; x < plain.Width; ++x) {
                    const bool inside = x >= area.Left && x < area.Right && y >= area.Top && y < area.Bottom;
                    if (!inside) {
                        ASSERT_EQ(plain.At(x, y), lit.At(x, y)) << x << "," << y;
                        continue;
                    }
                    differing += plain.At(x, y) != lit.At(x, y);
                    if (plain.At(x, y) == plainPlate) {
                        EXPECT_EQ(lit.At(x, y), litPlate) << x << "," << y;
                    }
                }
            EXPECT_LT(differing, (area.Right - area.Left) * (area.Bottom - area.Top)) << kana;
        }
}

}  // namespace
