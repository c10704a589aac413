#pragma once

// The built-in pictures on buttons, by the names their files carry in assets/ (Name.png, and
// Name@2x.png at twice the size). The commands' pictures are named in app/Commands.h.
enum class TButtonGlyph { None, Tick, Cross, Globe, Save };

// "GlyphTick" ...; empty for None.
const char* ButtonGlyphName(TButtonGlyph glyph);
