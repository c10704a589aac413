#pragma once

#include "win32/dialogs/DialogBase.h"

// The game's description and rules, and a picture list of the commands.
class THelpForm : public TTesuliDialog {
public:
    explicit THelpForm(HWND owner);
    ~THelpForm() override;

    HWND HelpGroupBox;
    HWND HelpMemo;
    HWND MenuListView;
    HWND CloseBtn;

    void CloseBtnClick();

protected:
    void Command(int id, int code) override;
    LRESULT Notify(const NMHDR& header) override;
    void DpiChanged() override;

private:
    void SetCommandIcons();
    void FitTextToBox();

    HIMAGELIST MenuImageList = nullptr;
    HFONT MemoFont = nullptr;
};

extern THelpForm* HelpForm;
