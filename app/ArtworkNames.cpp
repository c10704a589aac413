#include "app/ArtworkNames.h"

const char* CommandIconName(TCommandIcon icon)
{
    switch (icon) {
    case TCommandIcon::NewGame: return "IconNewGame";
    case TCommandIcon::Hint: return "IconHint";
    case TCommandIcon::Shuffle: return "IconShuffle";
    case TCommandIcon::Exit: return "IconExit";
    case TCommandIcon::Undo: return "IconUndo";
    case TCommandIcon::Options: return "IconOptions";
    case TCommandIcon::About: return "IconAbout";
    case TCommandIcon::Help: return "IconHelp";
    case TCommandIcon::Scores: return "IconScores";
    }
    return "";
}

const char* ButtonGlyphName(TButtonGlyph glyph)
{
    switch (glyph) {
    case TButtonGlyph::Tick: return "GlyphTick";
    case TButtonGlyph::Cross: return "GlyphCross";
    case TButtonGlyph::Globe: return "GlyphGlobe";
    case TButtonGlyph::Save: return "GlyphSave";
    }
    return "";
}
