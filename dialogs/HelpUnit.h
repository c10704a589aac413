#pragma once

#include "dialogs/DialogBase.h"

// The game's description and rules, and a picture list of the commands.
class THelpForm : public TTesuliDialog {
    Q_OBJECT

public:
    explicit THelpForm(QWidget* parent = nullptr);
};

extern THelpForm* HelpForm;
