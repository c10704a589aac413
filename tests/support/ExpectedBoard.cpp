#include "tests/support/ExpectedBoard.h"

#include <algorithm>

#include "model/TilePlacement.h"

namespace {

// Where a tile's cell lies on the board, stated apart from the program's own placement: the
// board's margin, the cell's size, and a shift right and up for each layer.
constexpr int BoardMargin = 20;
constexpr int LayerShift = 5;
constexpr int TextureSide = 32;

// The sheet's blocks of four rows, from the top: hiragana with reading, katakana with reading,
// hiragana alone, katakana alone, reading alone. Tile n is copy (n - 1) mod 4 of its face.
int PictureBlock(const TTileClass& tile, const TTileLook& look)
{
    const int copy = (tile.Number - 1) % 4;
    const bool katakana = look.Kana == 1 || (look.Kana == 2 && (copy == 2 || copy == 3));
    if (look.Readings == 2 && (copy == 1 || copy == 3))
        return 4;
    if (look.Readings == 1 || look.Readings == 2)
        return katakana ? 3 : 2;
    return katakana ? 1 : 0;
}

}  // namespace

std::vector<TTileClass> InDrawingOrder(std::vector<TTileClass> tiles)
{
    std::sort(tiles.begin(), tiles.end(), [](const TTileClass& a, const TTileClass& b) {
        return a.Layer != b.Layer ? a.Layer < b.Layer : a.Number > b.Number;
    });
    return tiles;
}

TRgbPicture ExpectedBoardPixels(std::vector<TTileClass> tiles, const TTileLook& look, int texture, int scale,
                                const TSheetPixel& textures, const TSheetPixel& faces)
{
    const int s = scale;
    TRgbPicture expected{BoardWidth * s, BoardHeight * s, {}};
    expected.Pixels.resize(static_cast<size_t>(expected.Width * expected.Height));
    const auto set = [&](int x, int y, uint32_t colour) {
        expected.Pixels[static_cast<size_t>(y * expected.Width + x)] = colour & 0xffffffu;
    };
    for (int y = 0; y < expected.Height; ++y)
        for (int x = 0; x < expected.Width; ++x)
            set(x, y, textures(texture * TextureSide * s + x % (TextureSide * s), y % (TextureSide * s)));
    if (look.FaceStyle > 1)
        return expected;
    for (const TTileClass& tile : InDrawingOrder(std::move(tiles))) {
        const int left = ((tile.X / 2) * TileWidth + tile.Layer * LayerShift + BoardMargin) * s;
        const int top = ((tile.Y / 2) * TileHeight - tile.Layer * LayerShift + BoardMargin) * s;
        // Rows 0 and 1 of a block hold the plain faces 0..23 and 24..47, rows 2 and 3 the lit ones.
        const int sourceLeft = (tile.Face % 24) * TileWidth * s;
        const int litRows = tile.Selected || tile.Hinted ? 2 * TileHeight : 0;
        const int blockTop = PictureBlock(tile, look) * 4 * TileHeight;
        const int sourceTop = (blockTop + (tile.Face / 24) * TileHeight + litRows) * s;
        for (int y = 0; y < TileHeight * s; ++y)
            for (int x = 0; x < TileWidth * s; ++x)
                set(left + x, top + y, faces(sourceLeft + x, sourceTop + y));
    }
    return expected;
}
