#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/dialogs/DialogBase.h"

// A group box of radio buttons, one of which is the chosen item. The items are named after their
// captions with a prefix (MapFlatSquare, HintShort ...) and carry the identifiers firstId onwards.
class TRadioGroup {
public:
    TRadioGroup(TTesuliDialog& dialog, const char* name, const wchar_t* caption, const std::vector<std::wstring>& items,
                const std::string& itemPrefix, int columns, TPlace place, int firstId);

    // The chosen item, or -1 when there is none.
    int ItemIndex() const;
    // An index that names no item leaves none chosen.
    void SetItemIndex(int index);
    bool HasItem(int id) const { return id >= FirstId && id < FirstId + static_cast<int>(Items.size()); }

private:
    std::vector<HWND> Items;
    int FirstId;
};
