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

const char* SheetName(TSheet sheet)
{
    switch (sheet) {
    case TSheet::TileFace: return "";
    case TSheet::BackgroundImage: return "BackgroundImage";
    }
    return "";
}

std::string UnreadableArtworkText(const std::string& fileName)
{
    return "The built-in picture " + fileName + " is missing or damaged.";
}
