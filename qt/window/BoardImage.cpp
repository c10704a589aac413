#include "qt/window/BoardImage.h"

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

QImage TBoardImage::Image() const
{
    const TPixelImage& pixels = Pixels();
    QImage image(reinterpret_cast<const uchar*>(pixels.Pixels.data()), pixels.Width, pixels.Height,
                 pixels.Width * int(sizeof(uint32_t)), QImage::Format_RGB32);
    image.setDevicePixelRatio(Scale());
    return image;
}
