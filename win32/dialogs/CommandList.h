#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// The commands' pictures with their captions (HelpCommands), only to be read: nothing in it can be
// selected. A list view has no margin of its own: it stands borderless inside a white sunken frame
// at the row's place, a margin of 5 from its edge.
class TCommandList final : public TControlPart {
public:
    TCommandList(TTesuliDialog& dialog, const std::string& name, TPlace place);
    ~TCommandList() override;
    TCommandList(const TCommandList&) = delete;
    TCommandList& operator=(const TCommandList&) = delete;

    void DpiChanged() override;
    LRESULT Notify(const NMHDR& header) override;

private:
    void SetIcons();
    void PlaceList();

    HWND Frame;
    HWND List;
    HIMAGELIST Icons = nullptr;
};
