#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "RenderTestSupport.h"
#include "model/TilePlacement.h"
#include "model/TileUnit.h"
#include "qt/window/BoardImage.h"
#include "qt/common/SpriteUnit.h"

namespace {

struct TPlacedTile {
    uint8_t Number, X, Y, Layer;
    bool Selected, Hinted;
};

// A small board: a stack of two at the origin with a neighbour, a highlighted stack of three
// with face 30 selected on top, and a tile in the far corner.
const std::vector<TPlacedTile> KnownBoard = {
    {93, 0, 0, 0, false, false},    // face 23
    {192, 0, 0, 1, false, false},   // face 47, on top of it
    {97, 2, 0, 0, false, false},    // face 24, to the right
    {14, 4, 6, 0, false, false},    // face 3
    {1, 4, 6, 1, false, true},      // face 0, hinted
    {121, 4, 6, 2, true, false},    // face 30, selected
    {5, 26, 14, 0, false, false},   // face 1
};

std::vector<TTileClass> Tiles(const std::vector<TPlacedTile>& placed)
{
    std::vector<TTileClass> tiles;
    for (const TPlacedTile& p : placed) {
        TTileClass tile{p.Number};
        tile.X = p.X, tile.Y = p.Y, tile.Layer = p.Layer;
        tile.Selected = p.Selected, tile.Hinted = p.Hinted;
        tiles.push_back(tile);
    }
    return InDrawingOrder(tiles);
}

class BoardImageTest : public ::testing::TestWithParam<double> {
protected:
    double Scale() const { return GetParam(); }

    void DrawBoard(TBoardImage& board, const std::vector<TTileClass>& tiles, uint8_t faceStyle, uint8_t texture) const
    {
        board.DrawBackground(texture);
        for (const TTileClass& tile : tiles) {
            const TTileOrigin at = TileOrigin(tile);
            board.DrawFace(tile.Picture({.FaceStyle = faceStyle}, tile.Face), at.Left, at.Top);
        }
    }

    QImage Expected(const std::vector<TTileClass>& tiles, int faceStyle, int texture) const
    {
        return ExpectedBoard(tiles, {.FaceStyle = uint8_t(faceStyle)}, texture, Scale());
    }
};

// The screen gets the core's own pixels, at the ratio that shows them at the board's logical size.
TEST_P(BoardImageTest, ShowsTheCoresPixelsAtTheScreensPixelRatio)
{
    TBoardImage board(Scale());
    DrawBoard(board, Tiles(KnownBoard), 1, 4);
    const QImage image = board.Image();
    EXPECT_EQ(image.size(), QSize(int(std::lround(605 * Scale())), int(std::lround(498 * Scale()))));
    EXPECT_NEAR(image.deviceIndependentSize().width(), 605, 0.5);
    EXPECT_NEAR(image.deviceIndependentSize().height(), 498, 0.5);
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.constBits(), reinterpret_cast<const uchar*>(board.Pixels().Pixels.data()));
    EXPECT_EQ(board.Scale(), Scale());
}

TEST_P(BoardImageTest, BackgroundGridStartsAtTheOriginAndIsCutAtTheEdges)
{
    TBoardImage board(Scale());
    for (const uint8_t texture : {3, 0, 5}) {
        board.DrawBackground(texture);
        EXPECT_EQ(FirstDifference(board.Image(), Expected({}, 0, texture)), -1) << "texture " << int(texture);
    }
}

TEST_P(BoardImageTest, BackgroundIndexOutOfRangeDrawsTextureZero)
{
    TBoardImage board(Scale());
    for (const uint8_t texture : {6, 255}) {
        board.DrawBackground(4);
        board.DrawBackground(texture);
        EXPECT_EQ(FirstDifference(board.Image(), Expected({}, 0, 0)), -1) << "index " << int(texture);
    }
}

TEST_P(BoardImageTest, TilesShowTheirCellsHigherLayersOverLower)
{
    const std::vector<TTileClass> tiles = Tiles(KnownBoard);
    TBoardImage board(Scale());
    for (const uint8_t style : {0, 1}) {
        DrawBoard(board, tiles, style, 2);
        EXPECT_EQ(FirstDifference(board.Image(), Expected(tiles, style, 2)), -1) << "face style " << int(style);
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, BoardImageTest, ::testing::Values(1.0, 1.25, 1.5, 2.0));

}  // namespace
