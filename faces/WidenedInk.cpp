#include "faces/WidenedInk.h"

#include <algorithm>
#include <cmath>

namespace {

// The largest w with w * w <= n.
int64_t WholeRoot(int64_t n)
{
    auto root = static_cast<int64_t>(std::sqrt(static_cast<double>(n)));
    while (root * root > n)
        --root;
    while ((root + 1) * (root + 1) <= n)
        ++root;
    return root;
}

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
    Words = (GridWidth + 63) / 64;
    std::vector<uint8_t> coverage(static_cast<size_t>(GridWidth) * static_cast<size_t>(GridHeight));
    for (const TPlacedGlyph& glyph : run.Glyphs)
        glyph.Font->Rasterise(glyph.Glyph, pixelsPerEm * glyph.Size * Oversample,
                              (penX + glyph.PenX * pixelsPerEm - Region.Left) * Oversample,
                              (penY - Region.Top) * Oversample, coverage.data(), GridWidth, GridHeight,
                              glyph.MarkSize);
    // A sample is inked when its centre lies inside the outline.
    Inked.assign(static_cast<size_t>(GridHeight) * static_cast<size_t>(Words), 0);
    for (int32_t y = 0; y < GridHeight; ++y)
        for (int32_t x = 0; x < GridWidth; ++x)
            if (coverage[static_cast<size_t>(y) * static_cast<size_t>(GridWidth) + static_cast<size_t>(x)] >= 128)
                Inked[static_cast<size_t>(y * Words + x / 64)] |= uint64_t{1} << (x % 64);
}

TWidenedInk::TRows TWidenedInk::Reached(int64_t squaredReach) const
{
    // The rows widened along themselves by 0, 1, ... samples in turn; a sample is reached when the
    // row dy away, widened by the most the disc allows there, has it.
    const int64_t most = WholeRoot(squaredReach);
    std::vector<int64_t> widths(static_cast<size_t>(most + 1));
    for (int64_t dy = 0; dy <= most; ++dy)
        widths[static_cast<size_t>(dy)] = WholeRoot(squaredReach - dy * dy);
    const auto rowWords = static_cast<size_t>(Words);
    TRows widened = Inked;
    TRows reached(Inked.size(), 0);
    for (int64_t w = 0; w <= most; ++w) {
        if (w > 0)
            for (size_t row = 0; row < widened.size(); row += rowWords) {
                uint64_t before = 0;  // the word to the left as it was
                for (size_t k = 0; k < rowWords; ++k) {
                    const uint64_t here = widened[row + k];
                    const uint64_t after = k + 1 < rowWords ? widened[row + k + 1] : 0;
                    widened[row + k] = here | here << 1 | before >> 63 | here >> 1 | after << 63;
                    before = here;
                }
            }
        for (int64_t dy = -most; dy <= most; ++dy) {
            if (widths[static_cast<size_t>(std::abs(dy))] != w)
                continue;
            for (int64_t y = std::max<int64_t>(0, -dy); y < GridHeight && y + dy < GridHeight; ++y) {
                const uint64_t* in = widened.data() + static_cast<size_t>(y + dy) * rowWords;
                uint64_t* out = reached.data() + static_cast<size_t>(y) * rowWords;
                for (size_t k = 0; k < rowWords; ++k)
                    out[k] |= in[k];
            }
        }
    }
    return reached;
}

TWidenedInk::TRows TWidenedInk::Moved(const TRows& rows, int32_t moved) const
{
    // Down by whole rows, right by whole words and then by the bits left over.
    const auto rowWords = static_cast<size_t>(Words);
    const auto wordsMoved = static_cast<size_t>(moved / 64);
    const int bits = moved % 64;
    TRows out(rows.size(), 0);
    for (int32_t y = moved; y < GridHeight; ++y) {
        const uint64_t* in = rows.data() + static_cast<size_t>(y - moved) * rowWords;
        uint64_t* to = out.data() + static_cast<size_t>(y) * rowWords;
        for (size_t k = wordsMoved; k < rowWords; ++k) {
            const size_t source = k - wordsMoved;
            to[k] = in[source] << bits | (bits > 0 && source > 0 ? in[source - 1] >> (64 - bits) : 0);
        }
    }
    return out;
}

void TWidenedInk::Coverage(double radius, double shift, const TPixelRect& clip, std::vector<uint8_t>& layer,
                           int32_t width) const
{
    // The inked samples' centres lie up to half a sample inside the outline: a quarter of a sample
    // more reach matches the strokes the designed artwork drew at scale 1 and 2 best.
    const auto reach = static_cast<float>(radius * Oversample + 0.25);
    const auto squaredReach = static_cast<int64_t>(std::floor(reach * reach));
    // A shadow and an edge of one pen differ only in where they stand: one widening serves both.
    if (!Kept || Kept->first != squaredReach)
        Kept.emplace(squaredReach, Reached(squaredReach));
    const auto moved = static_cast<int32_t>(std::lround(shift * Oversample));
    const TRows movedRows = moved > 0 ? Moved(Kept->second, moved) : TRows{};
    const TRows& reached = moved > 0 ? movedRows : Kept->second;
    const int32_t left = std::max(clip.Left, Region.Left), right = std::min(clip.Right, Region.Right);
    const int32_t top = std::max(clip.Top, Region.Top), bottom = std::min(clip.Bottom, Region.Bottom);
    constexpr int Samples = Oversample * Oversample;
    static_assert(Oversample == 4, "a pixel's samples of a row are one nibble");
    constexpr uint64_t Pairs = 0x5555555555555555, Quads = 0x3333333333333333, Bytes = 0x0f0f0f0f0f0f0f0f;
    for (int32_t y = top; y < bottom; ++y) {
        const uint64_t* rows = reached.data() + static_cast<size_t>((y - Region.Top) * Oversample * Words);
        uint8_t* out = layer.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
        // A word's 16 pixels at once: each nibble's samples counted and the four rows summed, the
        // even pixels' counts in the bytes of one word and the odd pixels' in the other.
        int32_t counted = -1;
        uint64_t even = 0, odd = 0;
        for (int32_t x = left; x < right; ++x) {
            const int32_t column = (x - Region.Left) * Oversample;
            if (column / 64 != counted) {
                counted = column / 64;
                even = odd = 0;
                for (int j = 0; j < Oversample; ++j) {
                    const uint64_t word = rows[j * Words + counted];
                    uint64_t nibbles = word - (word >> 1 & Pairs);
                    nibbles = (nibbles & Quads) + (nibbles >> 2 & Quads);
                    even += nibbles & Bytes;
                    odd += nibbles >> 4 & Bytes;
                }
            }
            const int nibble = column % 64 / Oversample;
            const auto count = static_cast<uint32_t>(((nibble % 2 ? odd : even) >> (nibble / 2 * 8)) & 0xff);
            out[x] = static_cast<uint8_t>(std::min<uint32_t>(255, out[x] + (count * 255 + Samples / 2) / Samples));
        }
    }
}
