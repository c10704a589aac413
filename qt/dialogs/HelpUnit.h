#pragma once

#include "qt/dialogs/DialogBase.h"

class QFrame;
class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The game's description and rules, and a picture list of the commands.
class THelpForm : public TTesuliDialog {
    Q_OBJECT

public:
    explicit THelpForm(QWidget* parent = nullptr);

    QGroupBox* HelpGroupBox;
    QPlainTextEdit* HelpMemo;
    QFrame* Bevel1;
    QListWidget* MenuListView;
    QPushButton* CloseBtn;

    void CloseBtnClick();
};

extern THelpForm* HelpForm;
