#pragma once

#include "qt/dialogs/DialogBase.h"

#include "app/WinFlow.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Shown when the board has been cleared: shows the time and stores the win under the name typed.
class TNameForm : public TTesuliDialog {
    Q_OBJECT

public:
    explicit TNameForm(QWidget* parent = nullptr);

    // The won game, filled in by the main window before it shows the dialog.
    TWonGame Won;

    QFrame* Bevel1;
    QLabel* IconImage;
    QLabel* CongratsLabel;
    QLabel* NameLabel;
    QLineEdit* NameEdit;
    QPushButton* AcceptBitBtn;
    QPushButton* CancelBitBtn;

    void AcceptBitBtnClick();
    void CancelBitBtnClick();

    // Escape, like the Cancel button.
    void reject() override;

protected:
    void FormShow() override;

private:
    void FitToTexts();
};

extern TNameForm* NameForm;
