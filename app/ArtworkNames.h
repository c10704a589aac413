#pragma once

#include <string>

#include "model/BoardRaster.h"

// The built-in pictures on buttons, by the names their files carry in assets/ (Name.png, and
// Name@2x.png at twice the size). The commands' pictures are named in app/Commands.h.
enum class TButtonGlyph { None, Tick, Cross, Globe, Save };

// "GlyphTick" ...; empty for None.
const char* ButtonGlyphName(TButtonGlyph glyph);

// "BackgroundImage"; empty for the tile faces, which the core draws.
const char* SheetName(TSheet sheet);

// What the player is told when a picture compiled into the program cannot be read.
std::string UnreadableArtworkText(const std::string& fileName);
