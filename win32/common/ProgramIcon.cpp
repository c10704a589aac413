#include "win32/common/ProgramIcon.h"

HICON LoadProgramIcon(int side)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ProgramIconId), IMAGE_ICON, side,
                                         side, LR_DEFAULTCOLOR));
}

namespace {

HICON LoadIconForMetric(int metric, UINT dpi)
{
    return LoadProgramIcon(GetSystemMetricsForDpi(metric, dpi));
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
    const HICON newBig = LoadIconForMetric(SM_CXICON, dpi), newSmall = LoadIconForMetric(SM_CXSMICON, dpi);
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(newBig));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(newSmall));
    Replace(bigIcon, newBig);
    Replace(smallIcon, newSmall);
}
