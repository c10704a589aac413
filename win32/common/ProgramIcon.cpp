#include "win32/common/ProgramIcon.h"

namespace {

HICON LoadProgramIcon(int metric, UINT dpi)
{
    const int side = GetSystemMetricsForDpi(metric, dpi);
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ProgramIconId), IMAGE_ICON, side,
                                         side, LR_DEFAULTCOLOR));
}

void Replace(HICON& held, HICON icon)
{
    if (held)
        DestroyIcon(held);
    held = icon;
}

}  // namespace

void SetProgramIcon(HWND window, UINT dpi, HICON& bigIcon, HICON& smallIcon)
{
    const HICON newBig = LoadProgramIcon(SM_CXICON, dpi), newSmall = LoadProgramIcon(SM_CXSMICON, dpi);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(newBig));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(newSmall));
    Replace(bigIcon, newBig);
    Replace(smallIcon, newSmall);
}
