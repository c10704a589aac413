#include "qt/window/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "model/TilePlacement.h"
#include "parallel/SpareCores.h"
#include "qt/window/BoardImage.h"

TBoardView::TBoardView(QWidget* parent, TPressHandler pressed, TRedrawHandler redraw)
    : QWidget(parent), Pressed(std::move(pressed)), Redraw(std::move(redraw))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TBoardView::~TBoardView() = default;

QSize TBoardView::sizeHint() const
{
    return {BoardWidth, BoardHeight};
}

TDeviceSize TBoardView::DeviceSize() const
{
    const qreal ratio = devicePixelRatioF();
    return {static_cast<int32_t>(std::lround(width() * ratio)), static_cast<int32_t>(std::lround(height() * ratio))};
}

TBoardGeometry TBoardView::Geometry() const
{
    return Fit ? *Fit : TBoardGeometry(DeviceSize(), devicePixelRatioF());
}

QPoint TBoardView::ToView(int32_t x, int32_t y) const
{
    const TDevicePoint at = Geometry().ToDevice(x, y);
    const qreal ratio = devicePixelRatioF();
    return {static_cast<int>(std::floor(at.X / ratio)), static_cast<int>(std::floor(at.Y / ratio))};
}

TBoardRaster& TBoardView::Picture()
{
    if (!Image)
        MakePicture();
    return *Image;
}

void TBoardView::MakePicture()
{
    Fit.emplace(DeviceSize(), devicePixelRatioF());
    Image = std::make_unique<TBoardImage>(*Fit);
    Image->SetSideBySide(OnSpareCores());
    TFacesAhead::Hand(FacesAhead, *Image);
}

void TBoardView::ExpectFaces(TFacesAhead faces)
{
    FacesAhead.emplace(std::move(faces));
}

void TBoardView::FitPicture()
{
    if (!Image || Fit->Area() == DeviceSize())
        return;
    MakePicture();
    Redraw();
}

void TBoardView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitPicture();
}

void TBoardView::paintEvent(QPaintEvent*)
{
    // A move to a screen of another pixel ratio changes the device size without a resize.
    FitPicture();
    QPainter painter(this);
    if (!Image) {
        painter.fillRect(rect(), palette().button());
        return;
    }
    // One device pixel of the picture to one of the screen.
    const QImage shown = Image->Image();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(shown.size()) / devicePixelRatioF()), shown, QRectF(shown.rect()));
}

void TBoardView::mousePressEvent(QMouseEvent* event)
{
    const TBoardPoint at = ToBoard(event->position());
    Pressed(at.X, at.Y);
}

void TBoardView::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

TBoardPoint TBoardView::ToBoard(QPointF at) const
{
    // A device pixel belongs to the board pixel it lies in.
    const QPointF device = at * devicePixelRatioF();
    return Geometry().ToBoard(static_cast<int32_t>(std::floor(device.x())),
                              static_cast<int32_t>(std::floor(device.y())));
}

QImage TBoardView::Shown()
{
    return Image ? Image->Image() : QImage();
}
