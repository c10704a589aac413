#pragma once

#include <windows.h>

// A text box that would keep keys of the dialog's for itself (Tab, Enter, Escape: the codes of
// WM_GETDLGCODE given) leaves them to the dialog.
void LeaveKeysToDialog(HWND box, LRESULT codesLeft);
