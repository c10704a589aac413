#include "qt/common/SpriteUnit.h"

#include <QFile>

#include <cstring>
#include <stdexcept>

#include "app/ArtworkNames.h"
#include "faces/SharedFaces.h"

TImageForm* ImageForm = nullptr;

namespace {

[[noreturn]] void ReportUnreadable(const QString& path)
{
    throw std::runtime_error(UnreadableArtworkText(path.toStdString()));
}

}  // namespace

TSpriteSheet::TSpriteSheet(const QString& name)
    : Paths{QStringLiteral(":/%1.png").arg(name), QStringLiteral(":/%1@2x.png").arg(name)}
{
    for (const QString& path : Paths)
        if (!QFile::exists(path))
            ReportUnreadable(path);
}

const QImage& TSpriteSheet::Image(qreal ratio) const
{
    const int scale = ScaleFor(ratio);
    QImage& image = Images[size_t(scale - 1)];
    if (image.isNull()) {
        image = QImage(Paths[size_t(scale - 1)]).convertToFormat(QImage::Format_RGB32);
        if (image.isNull())
            ReportUnreadable(Paths[size_t(scale - 1)]);
        image.setDevicePixelRatio(scale);
    }
    return image;
}

QImage TSpriteSheet::Copy(const QRect& logical, qreal ratio) const
{
    const int scale = ScaleFor(ratio);
    QImage part = Image(ratio).copy(QRect(logical.topLeft() * scale, logical.size() * scale));
    part.setDevicePixelRatio(scale);
    return part;
}

TPixelImage TSpriteSheet::Pixels(int scale) const
{
    const QImage& image = Image(scale);
    TPixelImage pixels(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(pixels.Row(y), image.constScanLine(y), size_t(image.width()) * sizeof(uint32_t));
    return pixels;
}

TImageForm::TImageForm(QWidget* parent)
    : QWidget(parent), BackgroundImage(QString::fromLatin1(SheetName(TSheet::BackgroundImage)))
{
}

QImage TileFaceImage(const TFacePicture& face, qreal ratio)
{
    const TPixelImage& pixels = SharedFace(face, ratio);
    // The cache keeps the pixels for the run, so the image may stand on them.
    QImage image(reinterpret_cast<const uchar*>(pixels.Pixels.data()), pixels.Width, pixels.Height,
                 pixels.Width * int(sizeof(uint32_t)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}
