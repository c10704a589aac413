#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "model/TileUnit.h"

// The expected board picture, stated once for both front ends and apart from the program's own
// drawing code.

// A picture as 0xRRGGBB words, row after row.
struct TRgbPicture {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Pixels;

    uint32_t At(int x, int y) const { return Pixels[static_cast<size_t>(y * Width + x)]; }
};

// The colour of a pixel of a sprite sheet at the scale asked for, as 0xRRGGBB.
using TSheetPixel = std::function<uint32_t(int x, int y)>;

// The board's drawing order: layer by layer upwards, higher numbers first within a layer.
std::vector<TTileClass> InDrawingOrder(std::vector<TTileClass> tiles);

// The picture the board must show at scale, pixel by pixel: the texture repeated from the origin,
// then each tile's cell where it lies, in the drawing order, as the look's learning modes choose it.
// A face style other than 0 and 1 shows no tiles; faces is the sheet of the face style shown.
TRgbPicture ExpectedBoardPixels(std::vector<TTileClass> tiles, const TTileLook& look, int texture, int scale,
                                const TSheetPixel& textures, const TSheetPixel& faces);
