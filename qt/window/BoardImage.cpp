#include "qt/window/BoardImage.h"

#include <algorithm>
#include <cmath>

#include "qt/common/SpriteUnit.h"

TBoardImage::TBoardImage(qreal devicePixelRatio, QSize logicalSize)
    : TBoardImage(devicePixelRatio, logicalSize, *ImageForm)
{
}

TBoardImage::TBoardImage(qreal devicePixelRatio, QSize logicalSize, const TImageForm& sheets)
    : TBoardPicture(sheets.BackgroundImage.Pixels(1), sheets.BackgroundImage.Pixels(2))
{
    Resize(int32_t(std::lround(logicalSize.width() * devicePixelRatio)),
           int32_t(std::lround(logicalSize.height() * devicePixelRatio)), devicePixelRatio);
}

TBoardImage::TBoardImage(const TBoardGeometry& geometry)
    : TBoardPicture(ImageForm->BackgroundImage.Pixels(1), ImageForm->BackgroundImage.Pixels(2))
{
    const TDeviceRect board = geometry.Board();
    Resize(std::max(geometry.Area().Width, 1), std::max(geometry.Area().Height, 1), std::max(geometry.Scale(), 0.01),
           board.Left, board.Top);
}

QImage TBoardImage::Image() const
{
    const TPixelImage& pixels = Pixels();
    QImage image(reinterpret_cast<const uchar*>(pixels.Pixels.data()), pixels.Width, pixels.Height,
                 pixels.Width * int(sizeof(uint32_t)), QImage::Format_RGB32);
    image.setDevicePixelRatio(Scale());
    return image;
}
