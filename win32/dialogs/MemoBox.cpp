#include "win32/dialogs/MemoBox.h"

#include <commctrl.h>

#include "storage/WindowsText.h"

namespace {

// The edit box breaks lines at CR LF only.
std::wstring WithCrLf(const std::string& text)
{
    std::wstring lines;
    for (const wchar_t c : Wide(text)) {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    return lines;
}

// True when the box's lines, wrapped at its width, run past its height.
bool TextOverflows(HWND box)
{
    RECT area;
    SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&area));
    const HDC dc = GetDC(box);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(box, dc);
    const LRESULT lines = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
    return lines * metrics.tmHeight > area.bottom - area.top;
}

// A text box of many lines keeps Tab, Enter and Escape for itself, and Tab into it would select
// all of its text: read-only, it leaves them to the dialog and only scrolls by the keys.
LRESULT CALLBACK KeepSelection(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETDLGCODE)
        return DefSubclassProc(box, message, wParam, lParam) & ~(DLGC_HASSETSEL | DLGC_WANTALLKEYS | DLGC_WANTTAB);
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

// The dialog paints a read-only text box white (TTesuliDialog). The box is made with its scroll bar:
// an edit box only scrolls by a bar it was created with, and one shown later stays inert.
TMemoBox::TMemoBox(TTesuliDialog& dialog, const std::string& name, const std::string& text, TPlace place,
                   bool tabStop)
{
    Box = dialog.AddControl(name.c_str(), WC_EDITW, WithCrLf(text),
                            ES_MULTILINE | ES_READONLY | WS_VSCROLL | (tabStop ? WS_TABSTOP : 0), place);
    SetWindowSubclass(Box, KeepSelection, 0, 0);
    ShowScrollBarWhereNeeded();
}

void TMemoBox::DpiChanged()
{
    ShowScrollBarWhereNeeded();
}

void TMemoBox::ShowScrollBarWhereNeeded()
{
    ShowScrollBar(Box, SB_VERT, FALSE);
    if (TextOverflows(Box))
        ShowScrollBar(Box, SB_VERT, TRUE);
}
