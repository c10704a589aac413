#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "faces/InkRun.h"

// A rectangle of device pixels, right and bottom exclusive.
struct TPixelRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// A run of glyphs filled and stroked along its outline with a round pen, at any pen width: the
// points within half the width of the filled glyphs. The glyphs are rasterised by stb_truetype at
// Oversample times the device resolution; a pen widens the inked samples by a disc of samples,
// 64 samples to a word.
class TWidenedInk {
public:
    // The run at pixelsPerEm with its pen at (penX, penY) device pixels; no Coverage call widens it
    // by more than maxRadius nor moves it by more than maxShift.
    TWidenedInk(const TInkRun& run, double pixelsPerEm, double penX, double penY, double maxRadius, double maxShift);

    // Adds the coverage (0..255) of the ink widened by radius and moved right and down by shift
    // device pixels into a layer of width bytes a row, inside clip only.
    void Coverage(double radius, double shift, const TPixelRect& clip, std::vector<uint8_t>& layer,
                  int32_t width) const;

    static constexpr int Oversample = 4;

private:
    using TRows = std::vector<uint64_t>;
    // The samples within squaredReach of an inked one.
    TRows Reached(int64_t squaredReach) const;
    // rows moved right and down by moved samples.
    TRows Moved(const TRows& rows, int32_t moved) const;

    TPixelRect Region;  // device pixels the samples cover
    int32_t GridWidth = 0;
    int32_t GridHeight = 0;
    int32_t Words = 0;  // a row's words; bit i of word k is sample 64k + i
    TRows Inked;
    mutable std::optional<std::pair<int64_t, TRows>> Kept;  // the last widening, for the next layer
};
