#pragma once

#include "dialogs/DialogBase.h"

// Credits, version and terms, and a button that opens the project's web page.
class TAboutForm : public TTesuliDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr);
};

extern TAboutForm* AboutForm;
