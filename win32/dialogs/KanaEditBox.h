#pragma once

#include <windows.h>

#include "app/Screen.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// A one-line text box whose kana show in the kana face, whether typed, pasted or set.
class TKanaEditBox final : public TControlPart {
public:
    TKanaEditBox(TTesuliDialog& dialog, const TControl& row, TPlace place, int id);

    void DpiChanged() override;
    void TextChanged() override;

private:
    HWND Box;
};
