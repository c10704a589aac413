#pragma once

#include <windows.h>

// The program icon's resource number, also the first icon of tesuli.exe that Explorer shows.
constexpr int ProgramIconId = 1;

// Sets the window's large and small icon at the DPI, releasing those it had.
void SetProgramIcon(HWND window, UINT dpi, HICON& bigIcon, HICON& smallIcon);

// The program icon drawn at side x side pixels; the caller destroys it.
HICON LoadProgramIcon(int side);
