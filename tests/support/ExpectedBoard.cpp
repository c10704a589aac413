#include "tests/support/ExpectedBoard.h"

#include <algorithm>
#include <cmath>

#include "model/TilePlacement.h"

namespace {

// Where a tile's cell lies on the board, stated apart from the program's own placement: the
// board's margin, the cell's size, and a shift right and up for each layer.
constexpr int BoardMargin = 20;
constexpr int LayerShift = 5;
constexpr int TextureSide = 32;

// What a tile shows: tile n is copy (n - 1) mod 4 of its face.
TFacePicture Picture(const TTileClass& tile, const TTileLook& look)
{
    const int copy = (tile.Number - 1) % 4;
    const bool katakana = look.Kana == 1 || (look.Kana == 2 && (copy == 2 || copy == 3));
    TFaceShows shows = TFaceShows::KanaWithReading;
    if (look.Readings == 2 && (copy == 1 || copy == 3))
        shows = TFaceShows::Reading;
    else if (look.Readings == 1 || look.Readings == 2)
        shows = TFaceShows::Kana;
    return {tile.Face, katakana ? TScript::Katakana : TScript::Hiragana, shows, look.FaceStyle,
            tile.Selected || tile.Hinted};
}

int Rounded(double value)
{
    return static_cast<int>(std::lround(value));
}

}  // namespace

std::vector<TTileClass> InDrawingOrder(std::vector<TTileClass> tiles)
{
    std::sort(tiles.begin(), tiles.end(), [](const TTileClass& a, const TTileClass& b) {
        return a.Layer != b.Layer ? a.Layer < b.Layer : a.Number > b.Number;
    });
    return tiles;
}

TRgbPicture ExpectedBoardPixels(std::vector<TTileClass> tiles, const TTileLook& look, int texture, double scale,
                                const TSheetPixel& textures, const TFacePixel& faces)
{
    const double s = scale;
    TRgbPicture expected{Rounded(BoardWidth * s), Rounded(BoardHeight * s), {}};
    expected.Pixels.resize(static_cast<size_t>(expected.Width * expected.Height));
    const auto set = [&](int x, int y, uint32_t colour) {
        if (x >= 0 && y >= 0 && x < expected.Width && y < expected.Height)
            expected.Pixels[static_cast<size_t>(y * expected.Width + x)] = colour & 0xffffffu;
    };
    const int side = TextureSide * (s >= 1.5 ? 2 : 1);
    for (int y = 0; y < expected.Height; ++y)
        for (int x = 0; x < expected.Width; ++x)
            set(x, y, textures(texture * side + x % side, y % side));
    if (look.FaceStyle > 1)
        return expected;
    const int width = Rounded(TileWidth * s), height = Rounded(TileHeight * s);
    for (const TTileClass& tile : InDrawingOrder(std::move(tiles))) {
        const int left = Rounded(((tile.X / 2) * TileWidth + tile.Layer * LayerShift + BoardMargin) * s);
        const int top = Rounded(((tile.Y / 2) * TileHeight - tile.Layer * LayerShift + BoardMargin) * s);
        const TFacePicture face = Picture(tile, look);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                set(left + x, top + y, faces(face, x, y));
    }
    return expected;
}
