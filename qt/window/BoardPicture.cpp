#include "qt/window/BoardPicture.h"

#include <QPainter>

#include "qt/window/BoardImage.h"

TBoardPicture::TBoardPicture(const TBoardGeometry& geometry)
    : Fit(geometry)
    , Drawn(std::make_unique<TBoardImage>(NearestSheetScale(geometry.Scale()), QSize(BoardWidth, BoardHeight),
                                          QSize(geometry.Room().Width, geometry.Room().Height)))
{
}

TBoardPicture::~TBoardPicture() = default;

TBoardRaster& TBoardPicture::Raster()
{
    Stale = true;
    return *Drawn;
}

const QImage& TBoardPicture::Image()
{
    const QImage& drawn = Drawn->Image();
    const TDeviceRect target = Fit.WithRoom();
    // At a sheet's own scale with no room around the board, the drawn board is the picture.
    if (target == TDeviceRect{0, 0, drawn.width(), drawn.height()})
        return drawn;
    if (Shown.isNull()) {
        Shown = QImage(Fit.Area().Width, Fit.Area().Height, QImage::Format_RGB32);
        Stale = true;
    }
    if (!Stale || Shown.isNull())
        return Shown;
    Stale = false;
    QPainter painter(&Shown);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(target.Left, target.Top, target.Width, target.Height), drawn, drawn.rect());
    return Shown;
}
