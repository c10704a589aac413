#pragma once

#include <windows.h>

#include "app/Screen.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// A check box with its caption; as an item index it is 1 when checked, else 0.
class TCheckBox final : public TControlPart {
public:
    TCheckBox(TTesuliDialog& dialog, const TControl& row, TPlace place, int id);

    int ItemIndex() const;
    void SetItemIndex(int index);

private:
    HWND Box;
};
