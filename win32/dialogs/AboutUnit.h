#pragma once

#include "win32/dialogs/DialogBase.h"

// The program's credits and version, and a button that opens the author's web page.
class TAboutForm : public TTesuliDialog {
public:
    explicit TAboutForm(HWND owner);

    HWND AboutGroupBox;
    HWND ProgramImage;
    HWND AboutLabel;
    HWND GraphicsLabel;
    HWND VersionLabel;
    HWND StatementLabel;
    HWND UrlLabel;
    HWND CloseOK;
    HWND VisitMeBitBtn;

    void CloseOKClick();
    void VisitMeBitBtnClick();

protected:
    void Command(int id, int code) override;
};

extern TAboutForm* AboutForm;
