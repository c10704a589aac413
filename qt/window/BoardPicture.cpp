#include "qt/window/BoardPicture.h"

#include <QPainter>

#include "qt/window/BoardImage.h"

namespace {

// The sheet size nearer the board's scale.
qreal SheetRatio(double scale)
{
    return scale >= 1.5 ? 2 : 1;
}

}  // namespace

TBoardPicture::TBoardPicture(const TBoardGeometry& geometry)
    : Fit(geometry)
    , Drawn(std::make_unique<TBoardImage>(SheetRatio(geometry.Scale()), QSize(BoardWidth, BoardHeight),
                                          QSize(geometry.Room().Width, geometry.Room().Height)))
    , Shown(geometry.Area().Width, geometry.Area().Height, QImage::Format_RGB32)
{
    Shown.fill(Qt::black);
}

TBoardPicture::~TBoardPicture() = default;

TBoardRaster& TBoardPicture::Raster()
{
    Stale = true;
    return *Drawn;
}

const QImage& TBoardPicture::Image(qreal devicePixelRatio)
{
    Shown.setDevicePixelRatio(devicePixelRatio);
    if (!Stale)
        return Shown;
    Stale = false;
    const QImage& drawn = Drawn->Image();
    const TDeviceSize room = Fit.Room();
    const TDeviceRect target =
        Fit.ToDevice(-room.Width, -room.Height, BoardWidth + 2 * room.Width, BoardHeight + 2 * room.Height);
    // Drawn at the device's pixels, whatever ratio it is shown at.
    Shown.setDevicePixelRatio(1);
    QPainter painter(&Shown);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(target.Left, target.Top, target.Width, target.Height), drawn,
                      QRect(QPoint(0, 0), drawn.size()));
    painter.end();
    Shown.setDevicePixelRatio(devicePixelRatio);
    return Shown;
}
