#pragma once

#include <windows.h>

// What a control built from a screen's row keeps beyond its window: a radio group's items, a
// preview's picture, a list's contents. The dialog passes on what concerns them.
class TControlPart {
public:
    virtual ~TControlPart() = default;

    // Pictures and sizes that depend on the DPI are made again here.
    virtual void DpiChanged() {}
    virtual LRESULT Notify(const NMHDR&) { return 0; }
    // The text of a text box changed, by the player or the program.
    virtual void TextChanged() {}
};
