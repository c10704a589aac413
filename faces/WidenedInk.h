#pragma once

#include <cstdint>
#include <vector>

#include "faces/InkRun.h"

// A rectangle of device pixels, right and bottom exclusive.
struct TPixelRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A run of glyphs filled and stroked along its outline with a round pen, at any pen width: the
// points within half the width of the filled glyphs. The glyphs are rasterised by stb_truetype at
// Oversample times the device resolution, and a Euclidean distance transform of that coverage
// gives every width at once.
class TWidenedInk {
public:
    // The run at pixelsPerEm with its pen at (penX, penY) device pixels; reach is the most any
    // Coverage call widens and moves it by.
    TWidenedInk(const TInkRun& run, double pixelsPerEm, double penX, double penY, double reach);

    // Adds the coverage (0..255) of the ink widened by radius and moved right and down by shift
    // device pixels into a layer of width bytes a row, inside clip only.
    void Coverage(double radius, double shift, const TPixelRect& clip, std::vector<uint8_t>& layer,
                  int32_t width) const;

    static constexpr int Oversample = 4;

private:
    TPixelRect Region;  // device pixels the distances cover
    int32_t GridWidth = 0;
    int32_t GridHeight = 0;
    std::vector<float> Distances;  // squared, in oversampled pixels, to the nearest inked sample
};
