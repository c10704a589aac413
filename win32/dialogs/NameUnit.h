#pragma once

#include "app/WinFlow.h"
#include "win32/dialogs/DialogBase.h"

// Asks the winner's name and stores the won game's record.
class TNameForm : public TTesuliDialog {
public:
    explicit TNameForm(HWND owner);

    // Filled in by the main window before it shows the dialog.
    TWonGame Won;

    HWND IconImage;
    HWND CongratsLabel;
    HWND NameLabel;
    HWND NameEdit;
    HWND AcceptBitBtn;
    HWND CancelBitBtn;

    void AcceptBitBtnClick();
    void CancelBitBtnClick();

protected:
    void FormShow() override;
    void Command(int id, int code) override;
};

extern TNameForm* NameForm;
