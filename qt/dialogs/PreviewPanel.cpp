#include "qt/dialogs/PreviewPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <qdrawutil.h>

namespace {

constexpr int BevelWidth = 1;
constexpr int BorderWidth = 3;
constexpr int FrameWidth = BevelWidth + BorderWidth + BevelWidth;

}  // namespace

// Reached with Tab and chosen with the space bar, as a button is.
TPreviewImage::TPreviewImage(QWidget* parent, const QPixmap& picture)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    SetPicture(picture);
}

void TPreviewImage::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        emit Click();
    else
        QLabel::keyPressEvent(event);
}

void TPreviewImage::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    parentWidget()->update();
}

void TPreviewImage::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    parentWidget()->update();
}

void TPreviewImage::SetPicture(const QPixmap& picture)
{
    setPixmap(picture);
    setFixedSize(picture.deviceIndependentSize().toSize());
}

// Taking the press keeps the release coming here, wherever the pointer goes.
void TPreviewImage::mousePressEvent(QMouseEvent* event)
{
    event->setAccepted(event->button() == Qt::LeftButton);
}

void TPreviewImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

TPreviewPanel::TPreviewPanel(QWidget* parent, QPoint position, const QPixmap& picture)
    : QFrame(parent)
    , Picture(new TPreviewImage(this, picture))
{
    setFrameShape(QFrame::Panel);
    setLineWidth(BevelWidth);
    setAutoFillBackground(true);
    Picture->move(FrameWidth, FrameWidth);
    setFocusProxy(Picture);
    setGeometry(QRect(position, Picture->size() + QSize(2 * FrameWidth, 2 * FrameWidth)));
    SetChosen(false);
}

void TPreviewPanel::SetPicture(const QPixmap& picture)
{
    Picture->SetPicture(picture);
    resize(Picture->size() + QSize(2 * FrameWidth, 2 * FrameWidth));
}

void TPreviewPanel::SetChosen(bool chosen)
{
    setFrameShadow(chosen ? QFrame::Sunken : QFrame::Raised);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(chosen ? QPalette::Light : QPalette::Button));
    setPalette(colours);
}

void TPreviewPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    const int inset = BevelWidth + BorderWidth;
    qDrawShadePanel(&painter, rect().adjusted(inset, inset, -inset, -inset), palette(), false, BevelWidth);
    if (Picture->hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}
