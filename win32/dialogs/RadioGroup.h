#pragma once

#include <windows.h>

#include <vector>

#include "app/Screen.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// A group box of radio buttons, one of which is the chosen item. The items are named after their
// captions (RadioItemName) and carry the identifiers firstId onwards.
class TRadioGroup final : public TControlPart {
public:
    TRadioGroup(TTesuliDialog& dialog, const TControl& row, TPlace place, int firstId);

    // The chosen item, or -1 when there is none.
    int ItemIndex() const;
    // An index that names no item leaves none chosen.
    void SetItemIndex(int index);
    // Tab into the group lands on the chosen item, as arrows and clicks leave it: the tab stop
    // follows the check.
    void MoveTabStopToChosen();
    // The item carrying the identifier, or -1.
    int ItemOf(int id) const;
    int ItemCount() const { return static_cast<int>(Items.size()); }

private:
    std::vector<HWND> Items;
    int FirstId;
    bool TabStop;
};
