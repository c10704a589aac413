#include "faces/InkRun.h"

#include <algorithm>

namespace {

// Between the ink of a combined kana's two characters.
constexpr double CombinedGap = 0.04;

void Add(TInkRun& run, const TFaceFont& font, int glyph, double penX)
{
    const TEmBox box = font.Box(glyph);
    const TEmBox placed{box.Left + penX, box.Top, box.Right + penX, box.Bottom};
    if (run.Glyphs.empty())
        run.Box = placed;
    else
        run.Box = {std::min(run.Box.Left, placed.Left), std::min(run.Box.Top, placed.Top),
                   std::max(run.Box.Right, placed.Right), std::max(run.Box.Bottom, placed.Bottom)};
    run.Glyphs.push_back({&font, glyph, penX});
    run.Advance = penX + font.Advance(glyph);
}

}  // namespace

TInkRun KanaRun(std::string_view utf8)
{
    const TFaceFont& font = KanaFont();
    TInkRun run{};
    for (const char32_t character : Characters(utf8)) {
        const int glyph = font.Glyph(character);
        const double penX = run.Glyphs.empty() ? 0 : run.Box.Right + CombinedGap - font.Box(glyph).Left;
        Add(run, font, glyph, penX);
    }
    return run;
}

TInkRun WordRun(std::string_view reading)
{
    const TFaceFont& font = ReadingFont();
    TInkRun run{};
    int previous = 0;
    for (const char32_t character : Characters(reading)) {
        const int glyph = font.Glyph(character);
        const double penX = run.Glyphs.empty() ? 0 : run.Advance + font.Kerning(previous, glyph);
        Add(run, font, glyph, penX);
        previous = glyph;
    }
    return run;
}
