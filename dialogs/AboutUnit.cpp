#include "dialogs/AboutUnit.h"

#include "ui/Artwork.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

TAboutForm* AboutForm = nullptr;

const QUrl TAboutForm::AuthorUrl(QStringLiteral("https://tesuli.example.org/"));

namespace {

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
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
                          QStringLiteral("Code: The Tesuli developers"), 64, 24);
    // The whole credit does not fit beside the icon; the label carries it as its tooltip.
    GraphicsLabel = AddLabel(AboutGroupBox, QStringLiteral("GraphicsLabel"),
                             QStringLiteral("Graphics: Tesuli developers, Klee One"), 64, 40);
    GraphicsLabel->setToolTip(QStringLiteral("Drawn by the Tesuli developers with Klee One by Fontworks"));
    VersionLabel = AddLabel(AboutGroupBox, QStringLiteral("VersionLabel"),
                            QStringLiteral("Program Version: 1.1"), 16, 64);
    StatementLabel = AddLabel(AboutGroupBox, QStringLiteral("StatementLabel"),
                              QStringLiteral("Free software under the MIT licence"), 16, 80);
    UrlLabel = AddLabel(AboutGroupBox, QStringLiteral("UrlLabel"),
                        QStringLiteral("Availability: ") + AuthorUrl.toString(), 16, 96);

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
