#include "faces/WidenedInk.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace {

constexpr float Far = 1e20f;

}  // namespace

TWidenedInk::TWidenedInk(const TInkRun& run, double pixelsPerEm, double penX, double penY, double maxRadius,
                         double maxShift)
{
    const double margin = std::ceil(maxRadius + maxShift) + 1;
    Region = {static_cast<int32_t>(std::floor(penX + run.Box.Left * pixelsPerEm - margin)),
              static_cast<int32_t>(std::floor(penY + run.Box.Top * pixelsPerEm - margin)),
              static_cast<int32_t>(std::ceil(penX + run.Box.Right * pixelsPerEm + margin)),
              static_cast<int32_t>(std::ceil(penY + run.Box.Bottom * pixelsPerEm + margin))};
    GridWidth = (Region.Right - Region.Left) * Oversample;
    GridHeight = (Region.Bottom - Region.Top) * Oversample;
    const size_t samples = static_cast<size_t>(GridWidth) * static_cast<size_t>(GridHeight);
    std::vector<uint8_t> coverage(samples);
    for (const TPlacedGlyph& glyph : run.Glyphs)
        glyph.Font->Rasterise(glyph.Glyph, pixelsPerEm * glyph.Size * Oversample,
                              (penX + glyph.PenX * pixelsPerEm - Region.Left) * Oversample,
                              (penY - Region.Top) * Oversample, coverage.data(), GridWidth, GridHeight,
                              glyph.MarkSize);

    // A sample is inked when its centre lies inside the outline. Each row first finds its nearest
    // inked sample along the row; then each sample the nearest of those within reach up and down.
    const auto reach = static_cast<int32_t>(std::ceil(maxRadius * Oversample + 0.5)) + 1;
    std::vector<float> across(samples);
    // The samples of each row that have ink within reach along it.
    std::vector<std::pair<int32_t, int32_t>> spans(static_cast<size_t>(GridHeight), {0, 0});
    const int32_t beyond = reach + 1;
    std::vector<float> squares(static_cast<size_t>(beyond) + 1, Far);
    for (int32_t gap = 0; gap <= reach; ++gap)
        squares[static_cast<size_t>(gap)] = float(gap * gap);
    std::vector<int32_t> leftGaps(static_cast<size_t>(GridWidth));
    for (int32_t y = 0; y < GridHeight; ++y) {
        const uint8_t* in = coverage.data() + static_cast<ptrdiff_t>(y) * GridWidth;
        float* out = across.data() + static_cast<ptrdiff_t>(y) * GridWidth;
        int32_t gap = beyond;
        for (int32_t x = 0; x < GridWidth; ++x) {
            gap = in[x] >= 128 ? 0 : std::min(gap + 1, beyond);
            leftGaps[static_cast<size_t>(x)] = gap;
        }
        gap = beyond;
        int32_t first = GridWidth, last = 0;
        for (int32_t x = GridWidth - 1; x >= 0; --x) {
            gap = in[x] >= 128 ? 0 : std::min(gap + 1, beyond);
            const int32_t nearest = std::min(gap, leftGaps[static_cast<size_t>(x)]);
            out[x] = squares[static_cast<size_t>(nearest)];
            if (nearest <= reach) {
                first = x;
                last = std::max(last, x + 1);
            }
        }
        spans[static_cast<size_t>(y)] = {first, std::max(first, last)};
    }
    Distances.assign(samples, Far);
    for (int32_t y = 0; y < GridHeight; ++y) {
        float* out = Distances.data() + static_cast<ptrdiff_t>(y) * GridWidth;
        for (int32_t dy = std::max(-reach, -y); dy <= reach && y + dy < GridHeight; ++dy) {
            const float* in = across.data() + static_cast<ptrdiff_t>(y + dy) * GridWidth;
            const auto up = float(dy * dy);
            const auto [first, last] = spans[static_cast<size_t>(y + dy)];
            for (int32_t x = first; x < last; ++x)
                out[x] = std::min(out[x], up + in[x]);
        }
    }
}

void TWidenedInk::Coverage(double radius, double shift, const TPixelRect& clip, std::vector<uint8_t>& layer,
                           int32_t width) const
{
    // The inked samples' centres lie up to half a sample inside the outline: a quarter of a sample
    // more reach matches the strokes the designed artwork drew at scale 1 and 2 best.
    const float reach = static_cast<float>(radius * Oversample + 0.25);
    const float limit = reach * reach;
    const auto moved = static_cast<int32_t>(std::lround(shift * Oversample));
    // The samples the pen reaches, moved right and down by the shift onto empty samples.
    const int32_t paddedWidth = GridWidth + moved;
    std::vector<uint8_t> reached(static_cast<size_t>(paddedWidth) * static_cast<size_t>(GridHeight + moved));
    for (int32_t y = 0; y < GridHeight; ++y) {
        const float* in = Distances.data() + static_cast<ptrdiff_t>(y) * GridWidth;
        uint8_t* out = reached.data() + static_cast<ptrdiff_t>(y + moved) * paddedWidth + moved;
        for (int32_t x = 0; x < GridWidth; ++x)
            out[x] = in[x] <= limit ? 1 : 0;
    }
    const int32_t left = std::max(clip.Left, Region.Left), right = std::min(clip.Right, Region.Right);
    const int32_t top = std::max(clip.Top, Region.Top), bottom = std::min(clip.Bottom, Region.Bottom);
    constexpr int Samples = Oversample * Oversample;
    static_assert(Oversample == 4, "four samples a row are summed as one word");
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) {
            const ptrdiff_t row = static_cast<ptrdiff_t>(y - Region.Top) * Oversample;
            const uint8_t* block = reached.data() + row * paddedWidth + (x - Region.Left) * Oversample;
            uint32_t count = 0;
            for (int j = 0; j < Oversample; ++j) {
                uint32_t four;
                std::memcpy(&four, block + static_cast<ptrdiff_t>(j) * paddedWidth, sizeof four);
                count += (four * 0x01010101u) >> 24;
            }
            uint8_t& out = layer[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
            out = static_cast<uint8_t>(std::min<uint32_t>(255, out + (count * 255 + Samples / 2) / Samples));
        }
}
