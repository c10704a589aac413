#include "qt/window/BoardImage.h"

#include <QPainter>

#include "qt/common/SpriteUnit.h"

namespace {

int ScaleFor(qreal devicePixelRatio) { return devicePixelRatio >= 2 ? 2 : 1; }

}  // namespace

TBoardImage::TBoardImage(qreal devicePixelRatio, QSize logicalSize, QSize room)
    : TBoardImage(devicePixelRatio, logicalSize, room, *ImageForm)
{
}

TBoardImage::TBoardImage(qreal devicePixelRatio, QSize logicalSize, QSize room, const TImageForm& sheets)
    : TBoardRaster(logicalSize.width(), logicalSize.height(), room.width(), room.height())
    , Sheets(sheets)
    , ScaleFactor(ScaleFor(devicePixelRatio))
    , Room(room)
    , Picture((logicalSize + 2 * room) * ScaleFactor, QImage::Format_RGB32)
{
    Picture.setDevicePixelRatio(ScaleFactor);
    Picture.fill(Qt::black);
}

const QImage& TBoardImage::Image() const
{
    OpenPainter.reset();
    return Picture;
}

int TBoardImage::Scale() const
{
    return ScaleFactor;
}

// Copies are made in device pixels (the painter's pixel-ratio scaling undone), so that at
// either ratio each is an unscaled opaque blit.
QPainter& TBoardImage::Painter()
{
    if (!OpenPainter) {
        OpenPainter.emplace(&Picture);
        OpenPainter->setWorldTransform(QTransform::fromScale(1.0 / ScaleFactor, 1.0 / ScaleFactor));
        OpenPainter->setCompositionMode(QPainter::CompositionMode_Source);
    }
    return *OpenPainter;
}

void TBoardImage::CopyRect(TSheet sheet, int32_t sourceLeft, int32_t sourceTop, int32_t width, int32_t height,
                           int32_t left, int32_t top)
{
    const TSpriteSheet& source = Sheets.Sheet(sheet);
    const int s = ScaleFactor;
    left += Room.width();
    top += Room.height();
    Painter().drawImage(QRect(left * s, top * s, width * s, height * s), source.Rows(s, sourceTop + height),
                        QRect(sourceLeft * s, sourceTop * s, width * s, height * s));
}
