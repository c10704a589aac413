#pragma once

// The built-in pictures both front ends show, by the names their files carry in assets/
// (Name.png, and Name@2x.png at twice the size).
enum class TCommandIcon { NewGame, Hint, Shuffle, Exit, Undo, Options, About, Help, Scores };
enum class TButtonGlyph { Tick, Cross, Globe, Save };

// "IconNewGame", "GlyphTick" ...
const char* CommandIconName(TCommandIcon icon);
const char* ButtonGlyphName(TButtonGlyph glyph);
