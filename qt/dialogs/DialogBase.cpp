#include "qt/dialogs/DialogBase.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <exception>

TTesuliDialog::TTesuliDialog(QWidget* parent, const QString& caption, QSize clientSize)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    setModal(false);
    setFixedSize(clientSize);
}

void TTesuliDialog::ShowDialog()
{
    // A show handler that fails part way still opens the dialog with what it loaded; the error is
    // reported once the dialog is up.
    std::exception_ptr failure;
    if (!isVisible()) {
        try {
            FormShow();
        } catch (...) {
            failure = std::current_exception();
        }
        if (!ShownBefore) {
            ShownBefore = true;
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
        }
        show();
    }
    raise();
    activateWindow();
    if (failure)
        std::rethrow_exception(failure);
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
