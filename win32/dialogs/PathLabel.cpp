#include "win32/dialogs/PathLabel.h"

#include <commctrl.h>

#include "storage/WindowsText.h"

TPathLabel::TPathLabel(TTesuliDialog& dialog, const TControl& row, TPlace place)
    : Label(dialog.AddControl(row.Name.c_str(), WC_STATICW, Wide(row.Caption),
                              SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS | SS_NOTIFY, place))
{
    const HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                     dialog.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog.Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Label);
    // Asked for on each hover, so a path set after building shows as it now is.
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT TPathLabel::Notify(const NMHDR& header)
{
    if (header.code != TTN_GETDISPINFOW || header.idFrom != reinterpret_cast<UINT_PTR>(Label))
        return 0;
    Shown = ControlText(Label);
    // The tooltip hands over its own notice to fill in.
    reinterpret_cast<NMTTDISPINFOW&>(const_cast<NMHDR&>(header)).lpszText = Shown.data();
    return 1;
}
