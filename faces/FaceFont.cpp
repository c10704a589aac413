#include "faces/FaceFont.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>
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

// A glyph's outline in font units, y up, and the box of its points.
struct TFaceFont::TShape {
    std::vector<stbtt_vertex> Vertices;
    int Left = 0, Bottom = 0, Right = 0, Top = 0;
    bool Empty() const { return Vertices.empty(); }
};

namespace {

struct TUnitBox {
    int Left = INT32_MAX, Bottom = INT32_MAX, Right = INT32_MIN, Top = INT32_MIN;
    void Add(int x, int y)
    {
        Left = std::min(Left, x), Right = std::max(Right, x), Bottom = std::min(Bottom, y), Top = std::max(Top, y);
    }
    void Add(const stbtt_vertex& v)
    {
        Add(v.x, v.y);
        if (v.type == STBTT_vcurve || v.type == STBTT_vcubic)
            Add(v.cx, v.cy);
        if (v.type == STBTT_vcubic)
            Add(v.cx1, v.cy1);
    }
};

// A voicing mark's strokes, and a ring's two outlines, are each well under a third of an em across.
constexpr double MarkReach = 0.3;

}  // namespace

TFaceFont::TShape TFaceFont::Shape(int glyph, double markSize) const
{
    stbtt_vertex* vertices = nullptr;
    const int count = stbtt_GetGlyphShape(Info.get(), glyph, &vertices);
    TShape shape;
    shape.Vertices.assign(vertices, vertices + std::max(count, 0));
    stbtt_FreeShape(Info.get(), vertices);
    if (shape.Empty())
        return shape;
    TUnitBox whole;
    for (const stbtt_vertex& v : shape.Vertices)
        whole.Add(v);
    if (markSize != 1) {
        // The outlines (each from a move to the next) small and wholly in the upper right quarter.
        std::vector<std::pair<size_t, size_t>> marks;
        TUnitBox joint;
        const double reach = MarkReach * UnitsPerEm;
        const int middleX = (whole.Left + whole.Right) / 2, middleY = (whole.Bottom + whole.Top) / 2;
        for (size_t start = 0; start < shape.Vertices.size();) {
            size_t end = start + 1;
            while (end < shape.Vertices.size() && shape.Vertices[end].type != STBTT_vmove)
                ++end;
            TUnitBox outline;
            for (size_t i = start; i < end; ++i)
                outline.Add(shape.Vertices[i]);
            if (outline.Right - outline.Left < reach && outline.Top - outline.Bottom < reach &&
                outline.Left > middleX && outline.Bottom > middleY) {
                marks.emplace_back(start, end);
                joint.Add(outline.Left, outline.Bottom);
                joint.Add(outline.Right, outline.Top);
            }
            start = end;
        }
        const auto grow = [&](stbtt_vertex_type& x, stbtt_vertex_type& y) {
            x = static_cast<stbtt_vertex_type>(std::lround(joint.Left + (x - joint.Left) * markSize));
            y = static_cast<stbtt_vertex_type>(std::lround(joint.Bottom + (y - joint.Bottom) * markSize));
        };
        for (const auto& [start, end] : marks)
            for (size_t i = start; i < end; ++i) {
                stbtt_vertex& v = shape.Vertices[i];
                grow(v.x, v.y);
                grow(v.cx, v.cy);
                grow(v.cx1, v.cy1);
            }
        whole = {};
        for (const stbtt_vertex& v : shape.Vertices)
            whole.Add(v);
    }
    shape.Left = whole.Left, shape.Bottom = whole.Bottom, shape.Right = whole.Right, shape.Top = whole.Top;
    return shape;
}

TEmBox TFaceFont::Box(int glyph, double markSize) const
{
    if (markSize == 1) {
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        if (!stbtt_GetGlyphBox(Info.get(), glyph, &x0, &y0, &x1, &y1))
            return {};
        return {x0 / UnitsPerEm, -y1 / UnitsPerEm, x1 / UnitsPerEm, -y0 / UnitsPerEm};
    }
    const TShape shape = Shape(glyph, markSize);
    if (shape.Empty())
        return {};
    return {shape.Left / UnitsPerEm, -shape.Top / UnitsPerEm, shape.Right / UnitsPerEm, -shape.Bottom / UnitsPerEm};
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
                          int height, double markSize) const
{
    const float scale = static_cast<float>(pixelsPerEm / UnitsPerEm);
    // stb draws from the whole pixel left of and above the ink; the pen's fraction of a pixel goes
    // into its shift.
    const auto shiftX = static_cast<float>(penX - std::floor(penX));
    const auto shiftY = static_cast<float>(penY - std::floor(penY));
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::vector<uint8_t> ink;
    if (markSize == 1) {
        stbtt_GetGlyphBitmapBoxSubpixel(Info.get(), glyph, scale, scale, shiftX, shiftY, &x0, &y0, &x1, &y1);
        if (x1 <= x0 || y1 <= y0)
            return;
        ink.resize(static_cast<size_t>((x1 - x0) * (y1 - y0)));
        stbtt_MakeGlyphBitmapSubpixel(Info.get(), ink.data(), x1 - x0, y1 - y0, x1 - x0, scale, scale, shiftX, shiftY,
                                      glyph);
    } else {
        TShape shape = Shape(glyph, markSize);
        x0 = static_cast<int>(std::floor(shape.Left * scale + shiftX));
        y0 = static_cast<int>(std::floor(-shape.Top * scale + shiftY));
        x1 = static_cast<int>(std::ceil(shape.Right * scale + shiftX));
        y1 = static_cast<int>(std::ceil(-shape.Bottom * scale + shiftY));
        if (shape.Empty() || x1 <= x0 || y1 <= y0)
            return;
        ink.resize(static_cast<size_t>((x1 - x0) * (y1 - y0)));
        // As stb draws a glyph: the same flatness, y down.
        stbtt__bitmap target{x1 - x0, y1 - y0, x1 - x0, ink.data()};
        stbtt_Rasterize(&target, 0.35f, shape.Vertices.data(), static_cast<int>(shape.Vertices.size()), scale, scale,
                        shiftX, shiftY, x0, y0, 1, nullptr);
    }
    const int w = x1 - x0, h = y1 - y0;
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
