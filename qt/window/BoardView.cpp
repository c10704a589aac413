#include "qt/window/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "model/TilePlacement.h"
#include "qt/window/BoardImage.h"

TBoardView::TBoardView(QWidget* parent, TPressHandler pressed)
    : QWidget(parent), Pressed(std::move(pressed))
{
    setFixedSize(BoardWidth, BoardHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TBoardView::~TBoardView() = default;

TBoardImage& TBoardView::Picture()
{
    if (!Image)
        Image = std::make_unique<TBoardImage>(devicePixelRatioF());
    return *Image;
}

void TBoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (Image) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), Image->Image());
    }
    else
        painter.fillRect(rect(), palette().button());
}

void TBoardView::mousePressEvent(QMouseEvent* event)
{
    Press(event);
}

void TBoardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    Press(event);
}

void TBoardView::Press(const QMouseEvent* event)
{
    // A physical pixel belongs to the logical pixel it lies in.
    const QPointF at = event->position();
    Pressed(static_cast<int32_t>(std::floor(at.x())), static_cast<int32_t>(std::floor(at.y())));
}
