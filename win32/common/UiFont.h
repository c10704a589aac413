#pragma once

#include <windows.h>

// The font of every window of the game, "MS Sans Serif" at 8 points, at the window's DPI. The
// caller owns it.
HFONT CreateUiFont(UINT dpi);
