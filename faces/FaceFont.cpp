#include "faces/FaceFont.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "faces/FontBytes.h"

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>

TFaceFont::TFaceFont(const unsigned char* bytes, std::size_t size) : Info(std::make_unique<stbtt_fontinfo>())
{
    if (size < 12 || !stbtt_InitFont(Info.get(), bytes, stbtt_GetFontOffsetForIndex(bytes, 0)))
        throw std::runtime_error("A built-in font is damaged.");
    UnitsPerEm = 1.0 / stbtt_ScaleForMappingEmToPixels(Info.get(), 1);
}

TFaceFont::~TFaceFont() = default;

int TFaceFont::Glyph(char32_t character) const
{
    const int glyph = stbtt_FindGlyphIndex(Info.get(), static_cast<int>(character));
    if (glyph == 0)
        throw std::runtime_error("A built-in font has no glyph for U+" + std::to_string(uint32_t(character)) + ".");
    return glyph;
}

TEmBox TFaceFont::Box(int glyph) const
{
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!stbtt_GetGlyphBox(Info.get(), glyph, &x0, &y0, &x1, &y1))
        return {};
    return {x0 / UnitsPerEm, -y1 / UnitsPerEm, x1 / UnitsPerEm, -y0 / UnitsPerEm};
}

double TFaceFont::Advance(int glyph) const
{
    int advance = 0, bearing = 0;
    stbtt_GetGlyphHMetrics(Info.get(), glyph, &advance, &bearing);
    return advance / UnitsPerEm;
}

double TFaceFont::Kerning(int first, int second) const
{
    return stbtt_GetGlyphKernAdvance(Info.get(), first, second) / UnitsPerEm;
}

void TFaceFont::Rasterise(int glyph, double pixelsPerEm, double penX, double penY, uint8_t* bitmap, int width,
                          int height) const
{
    const float scale = static_cast<float>(pixelsPerEm / UnitsPerEm);
    // stb draws from the whole pixel left of and above the ink; the pen's fraction of a pixel goes
    // into its shift.
    const auto shiftX = static_cast<float>(penX - std::floor(penX));
    const auto shiftY = static_cast<float>(penY - std::floor(penY));
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    stbtt_GetGlyphBitmapBoxSubpixel(Info.get(), glyph, scale, scale, shiftX, shiftY, &x0, &y0, &x1, &y1);
    const int w = x1 - x0, h = y1 - y0;
    if (w <= 0 || h <= 0)
        return;
    std::vector<uint8_t> ink(static_cast<size_t>(w * h));
    stbtt_MakeGlyphBitmapSubpixel(Info.get(), ink.data(), w, h, w, scale, scale, shiftX, shiftY, glyph);
    const int left = static_cast<int>(std::floor(penX)) + x0, top = static_cast<int>(std::floor(penY)) + y0;
    for (int y = std::max(0, -top); y < h && top + y < height; ++y)
        for (int x = std::max(0, -left); x < w && left + x < width; ++x) {
            uint8_t& out = bitmap[(top + y) * width + left + x];
            out = static_cast<uint8_t>(std::min(255, out + ink[static_cast<size_t>(y * w + x)]));
        }
}

const TFaceFont& KanaFont()
{
    static const TFaceFont font(KanaFontBytes, KanaFontBytesSize);
    return font;
}

const TFaceFont& ReadingFont()
{
    static const TFaceFont font(ReadingFontBytes, ReadingFontBytesSize);
    return font;
}

std::vector<char32_t> Characters(std::string_view utf8)
{
    std::vector<char32_t> characters;
    for (size_t i = 0; i < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const int length = byte < 0x80 ? 1 : byte < 0xe0 ? 2 : byte < 0xf0 ? 3 : 4;
        char32_t character = length == 1 ? byte : byte & (0x7f >> length);
        for (int k = 1; k < length && i + size_t(k) < utf8.size(); ++k)
            character = character << 6 | (static_cast<unsigned char>(utf8[i + size_t(k)]) & 0x3f);
        characters.push_back(character);
        i += size_t(length);
    }
    return characters;
}
