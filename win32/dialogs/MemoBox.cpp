#include "win32/dialogs/MemoBox.h"

#include "storage/WindowsText.h"
#include "win32/common/KanaText.h"
#include "win32/dialogs/DialogKeys.h"

namespace {

// The box breaks lines at CR LF.
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

}  // namespace

// A rich edit box, for its kana in the kana face; white as a text box is, read-only or not. It shows
// its scroll bar only while the text runs past its height.
TMemoBox::TMemoBox(TTesuliDialog& dialog, const std::string& name, const std::string& text, TPlace place,
                   bool tabStop)
{
    Box = dialog.AddControl(name.c_str(), RichEditClass(), WithCrLf(text),
                            ES_MULTILINE | ES_READONLY | WS_VSCROLL | (tabStop ? WS_TABSTOP : 0), place);
    // Tab into it would select all of its text: read-only, it only scrolls by the keys.
    LeaveKeysToDialog(Box, DLGC_HASSETSEL | DLGC_WANTALLKEYS | DLGC_WANTTAB);
    ShowKanaInKanaFace(Box);
}

// The dialog's new font went to the whole text.
void TMemoBox::DpiChanged()
{
    ShowKanaInKanaFace(Box);
}
