#pragma once

#include "qt/dialogs/DialogBase.h"

#include <QUrl>

class QGroupBox;
class QLabel;
class QPushButton;

// Credits, version and terms, and a button that opens the project's web page.
class TAboutForm : public TTesuliDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget* parent = nullptr);

    // The page "Visit Author's Website" opens.
    static const QUrl AuthorUrl;

    QGroupBox* AboutGroupBox;
    QLabel* ProgramImage;
    QLabel* AboutLabel;
    QLabel* GraphicsLabel;
    QLabel* VersionLabel;
    QLabel* StatementLabel;
    QLabel* UrlLabel;
    QPushButton* CloseOK;
    QPushButton* VisitMeBitBtn;

    void CloseOKClick();
    void VisitMeBitBtnClick();
};

extern TAboutForm* AboutForm;
