#pragma once

#include <windows.h>

#include <string>

#include "app/Screen.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// A file's place on one line: the system shortens it in its middle where it runs past the label,
// and hovering shows it whole.
class TPathLabel final : public TControlPart {
public:
    TPathLabel(TTesuliDialog& dialog, const TControl& row, TPlace place);

    LRESULT Notify(const NMHDR& header) override;

private:
    HWND Label;
    std::wstring Shown;  // the tooltip's text lives here while it is shown
};
