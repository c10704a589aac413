#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

struct stbtt_fontinfo;

// A glyph's ink box in ems, y down, origin on the baseline at the pen.
struct TEmBox {
    double Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// One of the two built-in faces, read with stb_truetype. Lengths are in ems, so that one layout
// serves every size.
class TFaceFont {
public:
    TFaceFont(const unsigned char* bytes, std::size_t size);
    ~TFaceFont();
    TFaceFont(const TFaceFont&) = delete;
    TFaceFont& operator=(const TFaceFont&) = delete;

    // The glyph of a character; throws std::runtime_error when the subset lacks it.
    int Glyph(char32_t character) const;
    // A markSize other than 1 draws the glyph's voicing mark (its small strokes or ring at the top
    // right) that many times its size, grown up and to the right from its lower left corner.
    TEmBox Box(int glyph, double markSize = 1) const;
    double Advance(int glyph) const;
    double Kerning(int first, int second) const;
    // Adds the glyph's coverage (0..255), at pixelsPerEm, into a bitmap of width x height bytes, with
    // the glyph's pen at (penX, penY) in the bitmap's pixels; what falls outside is cut.
    void Rasterise(int glyph, double pixelsPerEm, double penX, double penY, uint8_t* bitmap, int width,
                   int height, double markSize = 1) const;

private:
    struct TShape;
    TShape Shape(int glyph, double markSize) const;

    std::unique_ptr<stbtt_fontinfo> Info;
    double UnitsPerEm;
};

// Klee One SemiBold (the kana) and DejaVu Sans (the readings), opened on first use.
const TFaceFont& KanaFont();
const TFaceFont& ReadingFont();

// The characters of a UTF-8 text.
std::vector<char32_t> Characters(std::string_view utf8);
