#include "ui/SpriteUnit.h"

#include <stdexcept>

TImageForm* ImageForm = nullptr;

namespace {

QImage LoadSheet(const QString& path, int scale)
{
    QImage image(path);
    if (image.isNull())
        throw std::runtime_error("The built-in picture " + path.toStdString() + " is missing.");
    // Copies between sheets and the board image stay plain blits only between equal formats.
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace

TSpriteSheet::TSpriteSheet(const QString& name)
    : Images{LoadSheet(QStringLiteral(":/%1.png").arg(name), 1), LoadSheet(QStringLiteral(":/%1@2x.png").arg(name), 2)}
{
}

const QImage& TSpriteSheet::Image(int scale) const
{
    return Images[scale >= 2 ? 1 : 0];
}

TImageForm::TImageForm(QWidget* parent)
    : QWidget(parent)
    , FaceImage(QStringLiteral("FaceImage"))
    , BackgroundImage(QStringLiteral("BackgroundImage"))
    , FaceImage_2(QStringLiteral("FaceImage_2"))
{
}
