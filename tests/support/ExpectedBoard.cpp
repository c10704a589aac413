#include "tests/support/ExpectedBoard.h"

#include <algorithm>

TRgbPicture ExpectedBoardPixels(std::vector<TTileClass> tiles, int faceStyle, int texture, int scale,
                                const TSheetPixel& textures, const TSheetPixel& faces)
{
    const int s = scale;
    TRgbPicture expected{605 * s, 498 * s, {}};
    expected.Pixels.resize(static_cast<size_t>(expected.Width * expected.Height));
    const auto set = [&](int x, int y, uint32_t colour) { expected.Pixels[static_cast<size_t>(y * expected.Width + x)] = colour; };
    for (int y = 0; y < expected.Height; ++y)
        for (int x = 0; x < expected.Width; ++x)
            set(x, y, textures(texture * 32 * s + x % (32 * s), y % (32 * s)) & 0xffffffu);
    if (faceStyle < 0 || faceStyle > 1)
        return expected;
    std::sort(tiles.begin(), tiles.end(), [](const TTileClass& a, const TTileClass& b) {
        return a.Layer != b.Layer ? a.Layer < b.Layer : a.Number > b.Number;
    });
    for (const TTileClass& tile : tiles) {
        const int left = ((tile.X / 2) * 40 + tile.Layer * 5 + 20) * s;
        const int top = ((tile.Y / 2) * 56 - tile.Layer * 5 + 20) * s;
        const int sourceLeft = (tile.Face % 24) * 40 * s;
        const int sourceTop = ((tile.Face / 24) * 56 + (tile.Selected || tile.Hinted ? 112 : 0)) * s;
        for (int y = 0; y < 56 * s; ++y)
            for (int x = 0; x < 40 * s; ++x)
                set(left + x, top + y, faces(sourceLeft + x, sourceTop + y) & 0xffffffu);
    }
    return expected;
}
