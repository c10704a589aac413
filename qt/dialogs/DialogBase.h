#pragma once

#include <QDialog>
#include <QRect>
#include <QSize>
#include <QString>

#include "app/DialogShowing.h"
#include "qt/common/Artwork.h"

class QFrame;
class QLabel;
class QPushButton;

// What every dialog of the game shares: modeless, on top, a title bar without close or system
// buttons, a fixed client size, centred on the screen the first time and where it was left later.
class TTesuliDialog : public QDialog, public TDialogShowing {
    Q_OBJECT

public:
    TTesuliDialog(QWidget* parent, const QString& caption, QSize clientSize);

protected:
    bool IsOpen() const override;
    void CentreOnScreen() override;
    void Appear() override;
    void BringToFront() override;
};

// Controls placed at fixed spots of a dialog, as the game's dialogs are laid out.

// A sunken frame drawn behind a group of controls.
QFrame* MakeBevel(QWidget* parent, const QRect& place);

// A one-line label; it grows to the right where the system font is wider than the place given,
// so that no text is cut off.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place);

// A push button with its glyph beside the caption.
QPushButton* MakeGlyphButton(QWidget* parent, const QString& caption, TButtonGlyph glyph, const QRect& place);
