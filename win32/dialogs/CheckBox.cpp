#include "win32/dialogs/CheckBox.h"

#include "storage/WindowsText.h"

TCheckBox::TCheckBox(TTesuliDialog& dialog, const TControl& row, TPlace place, int id)
    : Box(dialog.AddControl(row.Name.c_str(), WC_BUTTONW, Wide(row.Caption),
                            BS_AUTOCHECKBOX | (row.TabStop ? WS_TABSTOP : 0), place, id))
{
}

int TCheckBox::ItemIndex() const
{
    return SendMessageW(Box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

void TCheckBox::SetItemIndex(int index)
{
    SendMessageW(Box, BM_SETCHECK, index == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
}
