#pragma once

#include "win32/dialogs/DialogBase.h"

// The game's description and rules, and a picture list of the commands.
class THelpForm : public TTesuliDialog {
public:
    explicit THelpForm(HWND owner);
    ~THelpForm() override;

    HWND HelpGroupBox;
    HWND HelpMemo;
    HWND MenuListFrame;
    HWND MenuListView;
    HWND CloseBtn;

    void CloseBtnClick();

protected:
    void Command(int id, int code) override;
    LRESULT Notify(const NMHDR& header) override;
    void DpiChanged() override;

private:
    void SetCommandIcons();
    void ShowScrollBarWhereNeeded();
    void PlaceMenuList();

    HIMAGELIST MenuImageList = nullptr;
};

extern THelpForm* HelpForm;
