#pragma once

#include <windows.h>

#include <string>

#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// Read-only text in a box of several lines.
class TMemoBox final : public TControlPart {
public:
    TMemoBox(TTesuliDialog& dialog, const std::string& name, const std::string& text, TPlace place);
    ~TMemoBox() override;
    TMemoBox(const TMemoBox&) = delete;
    TMemoBox& operator=(const TMemoBox&) = delete;

    void DpiChanged() override;

private:
    void FitTextToBox();

    HWND Box;
    std::string Text;
    HFONT Font = nullptr;
};
