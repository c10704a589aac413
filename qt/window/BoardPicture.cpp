#include "qt/window/BoardPicture.h"

#include <QPainter>

#include "qt/window/BoardImage.h"

TBoardPicture::TBoardPicture(const TBoardGeometry& geometry)
    : Fit(geometry)
    , Drawn(std::make_unique<TBoardImage>(NearestSheetScale(geometry.Scale()), QSize(BoardWidth, BoardHeight),
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
    if (!Stale || Shown.isNull())
        return Shown;
    Stale = false;
    const QImage& drawn = Drawn->Image();
    const TDeviceRect target = Fit.WithRoom();
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
