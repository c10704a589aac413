#include "faces/WidenedInk.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float Far = 1e20f;

// One dimension of Felzenszwalb and Huttenlocher's transform: out[q] = min over p of
// (q - p)^2 + in[p], read and written with a stride.
void Transform1D(const float* in, float* out, int32_t count, int32_t stride, std::vector<int32_t>& hull,
                 std::vector<float>& bounds)
{
    hull.resize(static_cast<size_t>(count));
    bounds.resize(static_cast<size_t>(count) + 1);
    int32_t k = 0;
    hull[0] = 0;
    bounds[0] = -Far;
    bounds[1] = Far;
    const auto f = [&](int32_t p) { return in[static_cast<ptrdiff_t>(p) * stride]; };
    for (int32_t q = 1; q < count; ++q) {
        if (f(q) >= Far)
            continue;
        for (;;) {
            const int32_t p = hull[static_cast<size_t>(k)];
            if (f(p) >= Far) {  // an empty hull so far
                hull[static_cast<size_t>(k)] = q;
                bounds[static_cast<size_t>(k) + 1] = Far;
                break;
            }
            const float s = ((f(q) + float(q) * float(q)) - (f(p) + float(p) * float(p))) / (2.0f * float(q - p));
            if (s <= bounds[static_cast<size_t>(k)] && k > 0) {
                --k;
                continue;
            }
            ++k;
            hull[static_cast<size_t>(k)] = q;
            bounds[static_cast<size_t>(k)] = s;
            bounds[static_cast<size_t>(k) + 1] = Far;
            break;
        }
    }
    k = 0;
    for (int32_t q = 0; q < count; ++q) {
        while (bounds[static_cast<size_t>(k) + 1] < float(q))
            ++k;
        const int32_t p = hull[static_cast<size_t>(k)];
        const float d = float(q - p);
        out[static_cast<ptrdiff_t>(q) * stride] = f(p) >= Far ? Far : d * d + f(p);
    }
}

}  // namespace

TWidenedInk::TWidenedInk(const TInkRun& run, double pixelsPerEm, double penX, double penY, double reach)
{
    const double margin = std::ceil(reach) + 1;
    Region = {static_cast<int32_t>(std::floor(penX + run.Box.Left * pixelsPerEm - margin)),
              static_cast<int32_t>(std::floor(penY + run.Box.Top * pixelsPerEm - margin)),
              static_cast<int32_t>(std::ceil(penX + run.Box.Right * pixelsPerEm + margin)),
              static_cast<int32_t>(std::ceil(penY + run.Box.Bottom * pixelsPerEm + margin))};
    GridWidth = (Region.Right - Region.Left) * Oversample;
    GridHeight = (Region.Bottom - Region.Top) * Oversample;
    std::vector<uint8_t> coverage(static_cast<size_t>(GridWidth) * static_cast<size_t>(GridHeight));
    for (const TPlacedGlyph& glyph : run.Glyphs)
        glyph.Font->Rasterise(glyph.Glyph, pixelsPerEm * Oversample,
                              (penX + glyph.PenX * pixelsPerEm - Region.Left) * Oversample,
                              (penY - Region.Top) * Oversample, coverage.data(), GridWidth, GridHeight);

    // A sample is inked when its centre lies inside the outline.
    std::vector<float> inked(coverage.size());
    std::transform(coverage.begin(), coverage.end(), inked.begin(), [](uint8_t c) { return c >= 128 ? 0.0f : Far; });
    Distances.resize(coverage.size());
    std::vector<int32_t> hull;
    std::vector<float> bounds;
    for (int32_t x = 0; x < GridWidth; ++x)
        Transform1D(inked.data() + x, Distances.data() + x, GridHeight, GridWidth, hull, bounds);
    std::vector<float> row(static_cast<size_t>(GridWidth));
    for (int32_t y = 0; y < GridHeight; ++y) {
        float* line = Distances.data() + static_cast<ptrdiff_t>(y) * GridWidth;
        std::copy(line, line + GridWidth, row.begin());
        Transform1D(row.data(), line, GridWidth, 1, hull, bounds);
    }
}

void TWidenedInk::Coverage(double radius, double shift, const TPixelRect& clip, std::vector<uint8_t>& layer,
                           int32_t width) const
{
    // A sample's centre is half a sample from the edge of the outline it lies next to.
    const float reach = static_cast<float>(radius * Oversample + 0.25);
    const float limit = reach * reach;
    const auto moved = static_cast<int32_t>(std::lround(shift * Oversample));
    const int32_t left = std::max(clip.Left, Region.Left), right = std::min(clip.Right, Region.Right);
    const int32_t top = std::max(clip.Top, Region.Top), bottom = std::min(clip.Bottom, Region.Bottom);
    constexpr int Samples = Oversample * Oversample;
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) {
            int count = 0;
            for (int j = 0; j < Oversample; ++j) {
                const int32_t gy = (y - Region.Top) * Oversample + j - moved;
                if (gy < 0 || gy >= GridHeight)
                    continue;
                const float* line = Distances.data() + static_cast<ptrdiff_t>(gy) * GridWidth;
                for (int i = 0; i < Oversample; ++i) {
                    const int32_t gx = (x - Region.Left) * Oversample + i - moved;
                    if (gx >= 0 && gx < GridWidth && line[gx] <= limit)
                        ++count;
                }
            }
            uint8_t& out = layer[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
            out = static_cast<uint8_t>(std::min(255, out + (count * 255 + Samples / 2) / Samples));
        }
}
