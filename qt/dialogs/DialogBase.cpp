#include "qt/dialogs/DialogBase.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

TTesuliDialog::TTesuliDialog(QWidget* parent, const QString& caption, QSize clientSize)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    setModal(false);
    setFixedSize(clientSize);
}

bool TTesuliDialog::IsOpen() const
{
    return isVisible();
}

void TTesuliDialog::CentreOnScreen()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void TTesuliDialog::Appear()
{
    show();
}

void TTesuliDialog::BringToFront()
{
    raise();
    activateWindow();
}

QFrame* MakeBevel(QWidget* parent, const QRect& place)
{
    auto* bevel = new QFrame(parent);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(place);
    return bevel;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place)
{
    auto* label = new QLabel(text, parent);
    const QSize needed = label->sizeHint();
    label->setGeometry(place.x(), place.y(), std::max(place.width(), needed.width()), std::max(place.height(), needed.height()));
    return label;
}

QPushButton* MakeGlyphButton(QWidget* parent, const QString& caption, TButtonGlyph glyph, const QRect& place)
{
    auto* button = new QPushButton(ButtonGlyph(glyph), caption, parent);
    button->setIconSize(QSize(16, 16));
    button->setGeometry(place);
    return button;
}
