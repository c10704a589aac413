#pragma once

#include <QIcon>

#include "app/ArtworkNames.h"
#include "app/Commands.h"

// Built-in pictures, each with its double-size version for screens with a pixel ratio of 2.
QIcon CommandIcon(TCommandId command);
QIcon ProgramIcon();
// The program icon in the sizes a window's frame and the task bar show: 16, 32 and 48, and 32 at a
// pixel ratio of 2. The start puts this one on the window; ProgramIcon's large sizes serve task
// switchers and launchers, which nobody calls up within the first frames.
QIcon SmallProgramIcon();
// Normal mode and disabled (grey) mode, taken from the two halves of the glyph pair.
QIcon ButtonGlyph(TButtonGlyph glyph);
