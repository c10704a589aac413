#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "faces/FaceMaker.h"

namespace {

// A cell with its inner plate, the pixels whose centres lie on the plate the ink is kept to.
struct TInked {
    TInked(const TFacePicture& face, double scale) : Cell(MakeFace(face, scale))
    {
        const auto first = [scale](double edge) { return int(std::ceil(edge * scale - 0.5)); };
        Left = first(6), Top = first(3), Right = first(37), Bottom = first(50);
    }
    // How far a pixel's colour lies from the plate's; ink from 25 up.
    int Ink(int x, int y) const
    {
        int distance = 0;
        for (const int shift : {16, 8, 0})
            distance += std::abs(int(Cell.At(x, y) >> shift & 0xff) - int(Cell.At(Left, Top) >> shift & 0xff));
        return distance;
    }

    TPixelImage Cell;
    int Left, Top, Right, Bottom;
};

// Rows of the ink that are the row above over again: what enlarging a smaller picture by repeating
// pixels leaves behind.
double RepeatedInkRows(double scale)
{
    int inked = 0, repeated = 0;
    for (int kana = 0; kana < 48; ++kana) {
        const TInked face({TKanaId(kana), TScript::Hiragana, TFaceShows::Kana, 0, false}, scale);
        for (int y = face.Top + 1; y < face.Bottom; ++y) {
            bool ink = false, same = true;
            for (int x = face.Left; x < face.Right; ++x) {
                ink = ink || face.Ink(x, y) > 24;
                same = same && face.Cell.At(x, y) == face.Cell.At(x, y - 1);
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

// Every catalogue kana, in both scripts and artworks, in each learning mode a picture of its own:
// ink on the plate, and no more than an antialiased fringe on the inner plate's edge rows and
// columns, where ink would be cut off.
TEST(FaceInk, EveryCatalogueKanaIsDrawnWholeInsideThePlateInEachMode)
{
    for (const double scale : {1.0, 1.5})
        for (int kana = 0; kana < CatalogueSize; ++kana)
            for (const TScript script : {TScript::Hiragana, TScript::Katakana})
                for (const uint8_t artwork : {0, 1}) {
                    std::vector<std::vector<uint32_t>> modes;
                    for (const TFaceShows shows : {TFaceShows::KanaWithReading, TFaceShows::Kana, TFaceShows::Reading}) {
                        SCOPED_TRACE(testing::Message() << KanaCatalogue[size_t(kana)].Reading << " script "
                                                        << int(script) << " shows " << int(shows) << " artwork "
                                                        << int(artwork) << " scale " << scale);
                        const TInked face({TKanaId(kana), script, shows, artwork, false}, scale);
                        int darkest = 0, ink = 0, onEdge = 0;
                        for (int y = face.Top; y < face.Bottom; ++y)
                            for (int x = face.Left; x < face.Right; ++x)
                                darkest = std::max(darkest, face.Ink(x, y));
                        for (int y = face.Top; y < face.Bottom; ++y)
                            for (int x = face.Left; x < face.Right; ++x) {
                                ink += face.Ink(x, y) > 24;
                                // Ink covering most of a pixel, as where an outline would be cut.
                                const bool edge =
                                    x == face.Left || x == face.Right - 1 || y == face.Top || y == face.Bottom - 1;
                                onEdge += edge && 4 * face.Ink(x, y) > 3 * darkest;
                            }
                        EXPECT_GT(ink, 30 * scale * scale);
                        EXPECT_EQ(onEdge, 0);
                        EXPECT_EQ(std::ranges::count(modes, face.Cell.Pixels), 0) << "the picture of another mode";
                        modes.push_back(face.Cell.Pixels);
                    }
                }
}

}  // namespace
