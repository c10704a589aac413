#include "win32/dialogs/KanaEditBox.h"

#include <commctrl.h>
#include <richedit.h>

#include "storage/WindowsText.h"
#include "win32/common/KanaText.h"
#include "win32/dialogs/DialogKeys.h"

namespace {

// Each change of the text is followed by its kana's formatting, which the box would undo on its own,
// and the undone format brings the formatting back: an undo goes back to the last change of the
// text, its kana formatted again.
LRESULT UndoTyping(HWND box)
{
    const LRESULT events = SendMessageW(box, EM_SETEVENTMASK, 0, 0);
    const std::wstring before = ControlText(box);
    bool undone = false;
    while (!undone && DefSubclassProc(box, EM_CANUNDO, 0, 0))
        undone = DefSubclassProc(box, EM_UNDO, 0, 0) && ControlText(box) != before;
    SendMessageW(box, EM_SETEVENTMASK, 0, events);
    ShowKanaInKanaFace(box);
    return undone;
}

LRESULT CALLBACK UndoByText(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    const bool ctrlZ = message == WM_KEYDOWN && wParam == 'Z' && (GetKeyState(VK_CONTROL) & 0x8000) &&
                       !(GetKeyState(VK_SHIFT) & 0x8000);
    if (message == EM_UNDO || message == WM_UNDO || ctrlZ)
        return UndoTyping(box);
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

TKanaEditBox::TKanaEditBox(TTesuliDialog& dialog, const TControl& row, TPlace place, int id)
{
    Box = dialog.AddControl(row.Name.c_str(), RichEditClass(), Wide(row.Caption),
                            (row.TabStop ? WS_TABSTOP : 0) | ES_AUTOHSCROLL, place, id, WS_EX_CLIENTEDGE);
    LeaveKeysToDialog(Box, DLGC_WANTALLKEYS | DLGC_WANTTAB);
    SetWindowSubclass(Box, UndoByText, 0, 0);
    SendMessageW(Box, EM_SETEVENTMASK, 0, ENM_CHANGE);
    ShowKanaInKanaFace(Box);
}

// The dialog's new font went to the whole text.
void TKanaEditBox::DpiChanged()
{
    ShowKanaInKanaFace(Box);
}

void TKanaEditBox::TextChanged()
{
    ShowKanaInKanaFace(Box);
}
