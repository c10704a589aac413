#include "qt/common/SpriteUnit.h"

#include <QFile>

#include <stdexcept>

TImageForm* ImageForm = nullptr;

namespace {

[[noreturn]] void ReportMissing(const QString& path)
{
    throw std::runtime_error("The built-in picture " + path.toStdString() + " is missing.");
}

QImage LoadSheet(const QString& path, int scale)
{
    QImage image(path);
    if (image.isNull())
        ReportMissing(path);
    // Copies between sheets and the board image stay plain blits only between equal formats.
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace

TSpriteSheet::TSpriteSheet(const QString& name)
    : Paths{QStringLiteral(":/%1.png").arg(name), QStringLiteral(":/%1@2x.png").arg(name)}
{
    for (const QString& path : Paths)
        if (!QFile::exists(path))
            ReportMissing(path);
}

const QImage& TSpriteSheet::Image(int scale) const
{
    const size_t index = scale >= 2 ? 1 : 0;
    if (Images[index].isNull())
        Images[index] = LoadSheet(Paths[index], static_cast<int>(index) + 1);
    return Images[index];
}

TImageForm::TImageForm(QWidget* parent)
    : QWidget(parent)
    , FaceImage(QStringLiteral("FaceImage"))
    , BackgroundImage(QStringLiteral("BackgroundImage"))
    , FaceImage_2(QStringLiteral("FaceImage_2"))
{
}
