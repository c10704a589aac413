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

// The colour of a pixel of the background sheet at the scale asked for, as 0xRRGGBB.
using TSheetPixel = std::function<uint32_t(int x, int y)>;
// The colour of a pixel of a face as the core draws it at the scale asked for, as 0xRRGGBB.
using TFacePixel = std::function<uint32_t(const TFacePicture& face, int x, int y)>;

// The board's drawing order: layer by layer upwards, higher numbers first within a layer.
std::vector<TTileClass> InDrawingOrder(std::vector<TTileClass> tiles);

// The picture the board must show at scale, pixel by pixel: the texture repeated from the origin
// (the double-size one from scale 1.5 up), then each tile's face where it lies, its design place
// times the scale rounded, in the drawing order, as the look's learning modes choose it. A face
// style other than 0 and 1 shows no tiles. Tile faces stand for the designed game's kana.
TRgbPicture ExpectedBoardPixels(std::vector<TTileClass> tiles, const TTileLook& look, int texture, double scale,
                                const TSheetPixel& textures, const TFacePixel& faces);
