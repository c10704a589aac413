#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "faces/BoardPicture.h"
#include "faces/FaceMaker.h"

namespace {

// Six textures side by side whose every pixel tells its texture, size and place.
TPixelImage Textures(int side, uint32_t size)
{
    TPixelImage sheet(6 * side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < 6 * side; ++x)
            sheet.Row(y)[x] = 0xff000000 | size << 20 | uint32_t(x / side) << 16 | uint32_t(y % side) << 8 |
                              uint32_t(x % side);
    return sheet;
}

TBoardPicture MakeBoard()
{
    return TBoardPicture(Textures(32, 1), Textures(64, 2));
}

// The texture repeats from the board's origin at its own pixels, back over the room before it too,
// cut at the edges; from scale 1.5 up the double-size texture serves.
TEST(BoardPicture, BackgroundTilesTheTextureOfItsScaleFromTheOrigin)
{
    struct TCase {
        double Scale;
        int Width, Height;
        uint8_t Index;
        uint32_t Size;
        int Texture;
        int OriginX = 0, OriginY = 0;
    };
    const TCase cases[] = {{1, 605, 498, 3, 1, 3},        {1.25, 756, 623, 5, 1, 5},   {1.5, 908, 747, 0, 2, 0},
                           {2, 1210, 996, 2, 2, 2},       {1.75, 1000, 700, 6, 2, 0},  {1, 100, 50, 255, 1, 0},
                           {1.968, 1920, 980, 1, 2, 1, 364, 0}, {1, 800, 600, 4, 1, 4, 97, 51}};
    for (const TCase& c : cases) {
        TBoardPicture board = MakeBoard();
        board.Resize(c.Width, c.Height, c.Scale, c.OriginX, c.OriginY);
        board.DrawBackground(c.Index);
        const int side = c.Size == 2 ? 64 : 32;
        const auto along = [side](int at, int origin) { return uint32_t(((at - origin) % side + side) % side); };
        ASSERT_EQ(board.Pixels().Width, c.Width);
        ASSERT_EQ(board.Pixels().Height, c.Height);
        for (int y = 0; y < c.Height; y += 7)
            for (int x = 0; x < c.Width; x += 5) {
                const uint32_t want = 0xff000000 | c.Size << 20 | uint32_t(c.Texture) << 16 |
                                      along(y, c.OriginY) << 8 | along(x, c.OriginX);
                ASSERT_EQ(board.Pixels().At(x, y), want) << "scale " << c.Scale << " at " << x << "," << y;
            }
        EXPECT_EQ(board.Pixels().At(c.Width - 1, c.Height - 1) & 0xffff,
                  along(c.Height - 1, c.OriginY) << 8 | along(c.Width - 1, c.OriginX));
    }
}

// A tile's face lies at the board's origin plus its design place times the scale, rounded, and is
// cut at the edges.
TEST(BoardPicture, FacesLieAtTheirRoundedDevicePlaces)
{
    struct TCase {
        double Scale;
        int Left, Top;
        int OriginX = 0, OriginY = 0;
    };
    const TCase cases[] = {{1, 20, 20},    {1.25, 25, 15},  {1.5, 25, 15},    {1.75, 110, 178},
                           {2.2, 570, 382}, {1.5, 590, 470}, {1.25, -10, -30}, {1.5, 25, 15, 40, 7}};
    const TFacePicture face{12, TScript::Katakana, TFaceShows::KanaWithReading, 1, true};
    for (const TCase& c : cases) {
        TBoardPicture board = MakeBoard();
        board.Resize(int(std::lround(605 * c.Scale)), int(std::lround(498 * c.Scale)), c.Scale, c.OriginX, c.OriginY);
        board.DrawBackground(0);
        board.DrawFace(face, c.Left, c.Top);
        const TPixelImage cell = MakeFace(face, c.Scale);
        const int left = c.OriginX + int(std::lround(c.Left * c.Scale));
        const int top = c.OriginY + int(std::lround(c.Top * c.Scale));
        const TPixelImage& pixels = board.Pixels();
        for (int y = 0; y < cell.Height; ++y)
            for (int x = 0; x < cell.Width; ++x) {
                const int bx = left + x, by = top + y;
                if (bx >= 0 && by >= 0 && bx < pixels.Width && by < pixels.Height) {
                    ASSERT_EQ(pixels.At(bx, by), cell.At(x, y)) << "scale " << c.Scale << " at " << x << "," << y;
                }
            }
        // Just outside the cell the background still shows.
        for (const auto& [x, y] : {std::pair{left - 1, top + 3}, std::pair{left + cell.Width, top + 3}})
            if (x >= 0 && x < pixels.Width && y >= 0 && y < pixels.Height) {
                EXPECT_EQ(pixels.At(x, y) >> 20 & 0xf, c.Scale >= 1.5 ? 2u : 1u) << "scale " << c.Scale;
            }
    }
}

TEST(BoardPicture, RefusesAnEmptySizeOrAScaleNotAbovezero)
{
    TBoardPicture board = MakeBoard();
    EXPECT_THROW(board.Resize(0, 498, 1), std::invalid_argument);
    EXPECT_THROW(board.Resize(605, -1, 1), std::invalid_argument);
    EXPECT_THROW(board.Resize(605, 498, 0), std::invalid_argument);
    EXPECT_THROW(board.Resize(605, 498, std::nan("")), std::invalid_argument);
    EXPECT_THROW(TBoardPicture(Textures(32, 1), TPixelImage(10, 10)), std::invalid_argument);
}

}  // namespace
