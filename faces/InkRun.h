#pragma once

#include <string_view>
#include <vector>

#include "faces/FaceFont.h"

// A row of glyphs as a face draws it, in ems from the first glyph's pen on the baseline.
struct TPlacedGlyph {
    const TFaceFont* Font;
    int Glyph;
    double PenX;
    double Size = 1;      // of the run's size
    double MarkSize = 1;  // of its voicing mark's (TFaceFont::Box)
};

struct TInkRun {
    std::vector<TPlacedGlyph> Glyphs;
    TEmBox Box;      // the ink of all of them
    double Advance;  // where the next glyph's pen would stand
};

// A kana from Klee One; a combined kana's small second character, drawn smaller still, follows the
// first's ink closely, so that the pair fits a tile at a size that stays legible, and the voicing
// mark of a first kana is drawn larger, so that ゛ and ゜ keep their shapes through the pen.
TInkRun KanaRun(std::string_view utf8);
// A reading from DejaVu Sans, glyph after glyph by their advances and kerning.
TInkRun WordRun(std::string_view reading);
