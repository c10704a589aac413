#include <gtest/gtest.h>

#include "faces/BoardPicture.h"
#include "faces/FaceMaker.h"

namespace {

// Six textures side by side whose every pixel tells its sheet and its place on it.
TPixelImage Textures(int side)
{
    TPixelImage sheet(6 * side, side);
    for (size_t i = 0; i < sheet.Pixels.size(); ++i)
        sheet.Pixels[i] = 0xff000000 | uint32_t(side) << 16 | uint32_t(i);
    return sheet;
}

// The board centred in a resized window: the grid of texture 4 (double size at 1.5) and the faces
// stand on the board's origin, the grid reaching back over the room before it. Whole boards at
// origin 0 are the render tests'.
TEST(BoardPicture, TexturesAndFacesStandOnTheBoardsOrigin)
{
    const TFacePicture face{12, TScript::Katakana, TFaceShows::KanaWithReading, 1, true};
    TBoardPicture board(Textures(32), Textures(64));
    board.Resize(1000, 800, 1.5, 46, 26);
    board.DrawBackground(4);
    board.DrawFace(face, 25, 15);
    const TPixelImage cell = MakeFace(face, 1.5);
    const int left = 46 + 38, top = 26 + 23;  // 25 and 15 times 1.5, rounded
    for (int y = 0; y < 800; ++y)
        for (int x = 0; x < 1000; ++x) {
            const bool onFace = x >= left && x < left + cell.Width && y >= top && y < top + cell.Height;
            const int place = ((y - 26 + 64) % 64) * 6 * 64 + 4 * 64 + (x - 46 + 64) % 64;
            ASSERT_EQ(board.Pixels().At(x, y), onFace ? cell.At(x - left, y - top) : 0xff400000 | uint32_t(place))
                << x << "," << y;
        }
}

}  // namespace
