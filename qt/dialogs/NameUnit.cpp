#include "qt/dialogs/NameUnit.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "qt/common/Application.h"
#include "qt/common/Artwork.h"
#include "qt/common/MessageBox.h"

TNameForm* NameForm = nullptr;

TNameForm::TNameForm(QWidget* parent)
    : TTesuliDialog(parent, QStringLiteral("You have won the game!"), QSize(232, 135))
{
    setObjectName(QStringLiteral("NameForm"));
    setWindowIcon(ProgramIcon());

    Bevel1 = MakeBevel(this, QRect(8, 8, 217, 89));
    IconImage = new QLabel(this);
    IconImage->setPixmap(ProgramIcon().pixmap(32, 32));
    IconImage->setGeometry(16, 16, 32, 32);
    CongratsLabel = MakeLabel(this, QString(), QRect(56, 16, 145, 13));
    NameLabel = MakeLabel(this, QStringLiteral("Please enter your name below:"), QRect(56, 32, 145, 13));
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setGeometry(16, 56, 201, 21);
    AcceptBitBtn = MakeGlyphButton(this, QStringLiteral("Accept"), TButtonGlyph::Tick, QRect(24, 104, 75, 25));
    CancelBitBtn = MakeGlyphButton(this, QStringLiteral("Cancel"), TButtonGlyph::Cross, QRect(128, 104, 75, 25));
    AcceptBitBtn->setObjectName(QStringLiteral("AcceptBitBtn"));
    CancelBitBtn->setObjectName(QStringLiteral("CancelBitBtn"));
    AcceptBitBtn->setDefault(true);
    setTabOrder(NameEdit, AcceptBitBtn);
    setTabOrder(AcceptBitBtn, CancelBitBtn);

    FitToTexts();

    connect(AcceptBitBtn, &QPushButton::clicked, this, [this] { RunGuarded([this] { AcceptBitBtnClick(); }); });
    connect(CancelBitBtn, &QPushButton::clicked, this, [this] { CancelBitBtnClick(); });
}

// Where the system font is wider than the one the dialog was laid out for, the dialog grows so that
// the prompt stays inside its frame; the buttons keep their places relative to the middle.
void TNameForm::FitToTexts()
{
    const int extra = std::max(0, NameLabel->geometry().right() + 8 - Bevel1->geometry().right());
    if (extra == 0)
        return;
    setFixedSize(width() + extra, height());
    Bevel1->resize(Bevel1->width() + extra, Bevel1->height());
    NameEdit->resize(NameEdit->width() + extra, NameEdit->height());
    for (QPushButton* button : {AcceptBitBtn, CancelBitBtn})
        button->move(button->x() + extra / 2, button->y());
}

void TNameForm::FormShow()
{
    CongratsLabel->setText(QString::fromStdString(CongratsText(Won)));
    NameEdit->setFocus();
}

void TNameForm::AcceptBitBtnClick()
{
    TRegOptions options;
    if (!AcceptWin(options, NameEdit->text().toStdString(), Won)) {
        ShowError(this, QString::fromUtf8(EmptyNameText));
        return;
    }
    hide();
}

void TNameForm::CancelBitBtnClick()
{
    hide();
}

void TNameForm::reject()
{
    CancelBitBtnClick();
}
