#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/TileUnit.h"

// A picture as 0xRRGGBB words, row after row.
struct TRgbPicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y * Width + x)]; }
};

// The colour of a pixel of a sprite sheet at the scale asked for, as 0xRRGGBB.
using TSheetPixel = std::function<uint32_t(int x, int y)>;

// The picture the board must show at scale, pixel by pixel: the texture repeated from the origin,
// then each tile's cell where it lies, in the board's drawing order (layer by layer upwards, higher
// numbers first within a layer). A face style other than 0 and 1 shows no tiles.
TRgbPicture ExpectedBoardPixels(std::vector<TTileClass> tiles, int faceStyle, int texture, int scale,
                                const TSheetPixel& textures, const TSheetPixel& faces);
