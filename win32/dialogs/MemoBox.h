#pragma once

#include <windows.h>

#include <string>

#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// Read-only text in the dialog's font, its kana in the kana face, on a white box, its lines wrapped
// at the box's width, with a scroll bar where they run past its height. As a tab stop it scrolls by
// the keys, its text not selected by Tab.
class TMemoBox final : public TControlPart {
public:
    TMemoBox(TTesuliDialog& dialog, const std::string& name, const std::string& text, TPlace place, bool tabStop);

    void DpiChanged() override;

private:
    HWND Box;
};
