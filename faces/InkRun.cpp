#include "faces/InkRun.h"

#include <algorithm>
#include <string_view>

namespace {

// Between the ink of a combined kana's two characters.
constexpr double CombinedGap = 0.04;
// The small second character of a combined kana, drawn smaller still, leaves the first the room
// of a larger size, at which its voicing mark reads.
constexpr double SmallKanaSize = 0.7;
// Its voicing mark grows beyond the font's, so that ゛ and ゜ still differ at its size.
constexpr double CombinedMarkSize = 1.8;
constexpr std::u32string_view VoicedFirsts = U"ぎじぢびぴギジヂビピ";

void Add(TInkRun& run, const TFaceFont& font, int glyph, double penX, double size = 1, double markSize = 1)
{
    const TEmBox box = font.Box(glyph, markSize);
    const TEmBox placed{box.Left * size + penX, box.Top * size, box.Right * size + penX, box.Bottom * size};
    if (run.Glyphs.empty())
        run.Box = placed;
    else
        run.Box = {std::min(run.Box.Left, placed.Left), std::min(run.Box.Top, placed.Top),
                   std::max(run.Box.Right, placed.Right), std::max(run.Box.Bottom, placed.Bottom)};
    run.Glyphs.push_back({&font, glyph, penX, size, markSize});
    run.Advance = penX + font.Advance(glyph) * size;
}

}  // namespace

TInkRun KanaRun(std::string_view utf8)
{
    const TFaceFont& font = KanaFont();
    TInkRun run{};
    const std::vector<char32_t> characters = Characters(utf8);
    const bool voicedCombined =
        characters.size() > 1 && VoicedFirsts.find(characters.front()) != std::u32string_view::npos;
    for (const char32_t character : characters) {
        const int glyph = font.Glyph(character);
        const double size = run.Glyphs.empty() ? 1 : SmallKanaSize;
        const double markSize = voicedCombined && run.Glyphs.empty() ? CombinedMarkSize : 1;
        const double penX = run.Glyphs.empty() ? 0 : run.Box.Right + CombinedGap - font.Box(glyph).Left * size;
        Add(run, font, glyph, penX, size, markSize);
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
