#include "win32/dialogs/DialogKeys.h"

#include <commctrl.h>

namespace {

LRESULT CALLBACK LeaveKeys(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR codesLeft)
{
    if (message == WM_GETDLGCODE)
        return DefSubclassProc(box, message, wParam, lParam) & ~static_cast<LRESULT>(codesLeft);
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void LeaveKeysToDialog(HWND box, LRESULT codesLeft)
{
    SetWindowSubclass(box, LeaveKeys, 0, static_cast<DWORD_PTR>(codesLeft));
}
