#include "app/ArtworkNames.h"

const char* ButtonGlyphName(TButtonGlyph glyph)
{
    switch (glyph) {
    case TButtonGlyph::None: return "";
    case TButtonGlyph::Tick: return "GlyphTick";
    case TButtonGlyph::Cross: return "GlyphCross";
    case TButtonGlyph::Globe: return "GlyphGlobe";
    case TButtonGlyph::Save: return "GlyphSave";
    }
    return "";
}
