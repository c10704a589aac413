#include "qt/window/BoardImage.h"

#include <QPainter>

#include "qt/common/SpriteUnit.h"

namespace {

constexpr int TextureSide = 32;
constexpr int TextureCount = 6;

int ScaleFor(qreal devicePixelRatio) { return devicePixelRatio >= 2 ? 2 : 1; }

}  // namespace

TBoardImage::TBoardImage(qreal devicePixelRatio, QSize logicalSize)
    : TBoardImage(devicePixelRatio, logicalSize, *ImageForm)
{
}

TBoardImage::TBoardImage(qreal devicePixelRatio, QSize logicalSize, const TImageForm& sheets)
    : Sheets(sheets)
    , ScaleFactor(ScaleFor(devicePixelRatio))
    , Picture(logicalSize * ScaleFactor, QImage::Format_RGB32)
{
    Picture.setDevicePixelRatio(ScaleFactor);
    Picture.fill(Qt::black);
}

void TBoardImage::DrawBackground(uint8_t index)
{
    const int texture = index < TextureCount ? index : 0;
    const QSize size = Picture.deviceIndependentSize().toSize();
    const int columns = size.width() / TextureSide + 1, rows = size.height() / TextureSide + 1;
    const QImage& sheet = Sheets.BackgroundImage.Image(ScaleFactor);
    for (int column = 0; column < columns; ++column)
        for (int row = 0; row < rows; ++row)
            Copy(sheet, texture * TextureSide, 0, TextureSide, TextureSide, column * TextureSide, row * TextureSide);
}

void TBoardImage::CopyFaceCell(uint8_t faceStyle, int32_t sourceLeft, int32_t sourceTop, int32_t left, int32_t top)
{
    if (faceStyle > 1)
        return;
    const TSpriteSheet& sheet = faceStyle == 0 ? Sheets.FaceImage : Sheets.FaceImage_2;
    Copy(sheet.Image(ScaleFactor), sourceLeft, sourceTop, TileWidth, TileHeight, left, top);
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

void TBoardImage::Copy(const QImage& sheet, int32_t sourceLeft, int32_t sourceTop, int32_t width, int32_t height,
                       int32_t left, int32_t top)
{
    const int s = ScaleFactor;
    Painter().drawImage(QRect(left * s, top * s, width * s, height * s), sheet,
                        QRect(sourceLeft * s, sourceTop * s, width * s, height * s));
}
