#pragma once

#include <windows.h>

// The font of every window of the game (UiFontFamily at UiFontPoints), at the window's DPI. The
// caller owns it.
HFONT CreateUiFont(UINT dpi);
