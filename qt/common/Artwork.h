#pragma once

#include <QIcon>

#include "app/ArtworkNames.h"

// Built-in pictures, each with its double-size version for screens with a pixel ratio of 2.
QIcon CommandIcon(TCommandIcon icon);
QIcon ProgramIcon();
// Normal mode and disabled (grey) mode, taken from the two halves of the glyph pair.
QIcon ButtonGlyph(TButtonGlyph glyph);
