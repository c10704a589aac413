#include "qt/dialogs/PreviewPanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPen>
#include <qdrawutil.h>

namespace {

constexpr int BevelWidth = 1;
constexpr int BorderWidth = 3;
constexpr int FrameWidth = BevelWidth + BorderWidth + BevelWidth;
constexpr int FocusInset = 2;  // in the border

}  // namespace

TPreviewImage::TPreviewImage(QWidget* parent, const QPixmap& picture)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    SetPicture(picture);
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

void TPreviewImage::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: emit Step(TArrow::Left); break;
    case Qt::Key_Right: emit Step(TArrow::Right); break;
    case Qt::Key_Up: emit Step(TArrow::Up); break;
    case Qt::Key_Down: emit Step(TArrow::Down); break;
    case Qt::Key_Space:
        if (!event->isAutoRepeat())
            emit Click();
        break;
    default: QLabel::keyPressEvent(event); break;
    }
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
    // Dotted, as the classic focus frame: some styles draw theirs too faintly to find on a bevel.
    if (Picture->hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(FocusInset, FocusInset, -FocusInset - 1, -FocusInset - 1));
    }
}
