#pragma once

#include <QFrame>
#include <QLabel>

#include "app/Screen.h"

class QPixmap;

// A preview picture; a left click released over it, or the space bar, is a choice of what it
// shows. It takes the keyboard by Tab, and its arrow keys step through its group.
class TPreviewImage : public QLabel {
    Q_OBJECT

public:
    TPreviewImage(QWidget* parent, const QPixmap& picture);

    void SetPicture(const QPixmap& picture);

signals:
    void Click();
    void Step(TArrow arrow);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // The frame around shows where the keyboard is.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The frame of a preview, 5 pixels around its picture: an outer bevel, a 3-pixel border and a raised
// inner bevel. The chosen preview's frame is sunken and light, the others' raised in the dialog colour.
class TPreviewPanel : public QFrame {
    Q_OBJECT

public:
    TPreviewPanel(QWidget* parent, QPoint position, const QPixmap& picture);

    TPreviewImage* Image() const { return Picture; }
    void SetPicture(const QPixmap& picture);
    bool Chosen() const { return frameShadow() == QFrame::Sunken; }
    void SetChosen(bool chosen);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TPreviewImage* Picture;
};
