#include "qt/dialogs/AboutUnit.h"

#include "app/InfoTexts.h"
#include "qt/common/Artwork.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

TAboutForm* AboutForm = nullptr;

const QUrl TAboutForm::AuthorUrl(QString::fromUtf8(AboutTexts::AuthorUrl));

namespace {

QLabel* AddLabel(QWidget* parent, const QString& name, std::string_view text, int left, int top)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent)
    : TTesuliDialog(parent, QStringLiteral("About Tesuli"), QSize(307, 166))
{
    setWindowIcon(ProgramIcon());

    setObjectName(QStringLiteral("AboutForm"));
    AboutGroupBox = new QGroupBox(QStringLiteral("Program Information"), this);
    AboutGroupBox->setObjectName(QStringLiteral("AboutGroupBox"));
    AboutGroupBox->setGeometry(8, 8, 289, 118);

    ProgramImage = new QLabel(AboutGroupBox);
    ProgramImage->setGeometry(16, 24, 32, 32);
    ProgramImage->setObjectName(QStringLiteral("ProgramImage"));
    ProgramImage->setPixmap(ProgramIcon().pixmap(QSize(32, 32), devicePixelRatio()));

    AboutLabel = AddLabel(AboutGroupBox, QStringLiteral("AboutLabel"),
                          AboutTexts::Code, 64, 24);
    GraphicsLabel = AddLabel(AboutGroupBox, QStringLiteral("GraphicsLabel"),
                             AboutTexts::Graphics, 64, 40);
    GraphicsLabel->setToolTip(QString::fromUtf8(AboutTexts::GraphicsInFull));
    VersionLabel = AddLabel(AboutGroupBox, QStringLiteral("VersionLabel"),
                            AboutTexts::Version, 16, 64);
    StatementLabel = AddLabel(AboutGroupBox, QStringLiteral("StatementLabel"),
                              AboutTexts::Statement, 16, 80);
    UrlLabel = AddLabel(AboutGroupBox, QStringLiteral("UrlLabel"),
                        AboutTexts::Availability(), 16, 96);

    CloseOK = MakeGlyphButton(this, QStringLiteral("Close"), TButtonGlyph::Tick, QRect(217, 137, 75, 25));
    CloseOK->setDefault(true);
    CloseOK->setObjectName(QStringLiteral("CloseOK"));
    connect(CloseOK, &QPushButton::clicked, this, &TAboutForm::CloseOKClick);

    VisitMeBitBtn = MakeGlyphButton(this, QStringLiteral("Visit Author's Website"), TButtonGlyph::Globe,
                                    QRect(15, 137, 141, 25));
    VisitMeBitBtn->setObjectName(QStringLiteral("VisitMeBitBtn"));
    connect(VisitMeBitBtn, &QPushButton::clicked, this, &TAboutForm::VisitMeBitBtnClick);

    setTabOrder(CloseOK, VisitMeBitBtn);
    CloseOK->setFocus();
}

void TAboutForm::CloseOKClick()
{
    hide();
}

// The browser runs on its own; whether it could be started is of no concern to the dialog.
void TAboutForm::VisitMeBitBtnClick()
{
    QDesktopServices::openUrl(AuthorUrl);
}
