#include "win32/dialogs/KanaEditBox.h"

#include <richedit.h>

#include "storage/WindowsText.h"
#include "win32/common/KanaText.h"
#include "win32/dialogs/DialogKeys.h"

TKanaEditBox::TKanaEditBox(TTesuliDialog& dialog, const TControl& row, TPlace place, int id)
{
    Box = dialog.AddControl(row.Name.c_str(), RichEditClass(), Wide(row.Caption),
                            (row.TabStop ? WS_TABSTOP : 0) | ES_AUTOHSCROLL, place, id, WS_EX_CLIENTEDGE);
    LeaveKeysToDialog(Box, DLGC_WANTALLKEYS | DLGC_WANTTAB);
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
