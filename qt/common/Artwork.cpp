#include "qt/common/Artwork.h"

#include <QImage>
#include <QPixmap>
#include <QString>

namespace {

// Both sizes are added explicitly so that the icon never scales a picture when a drawn one exists.
QPixmap LoadPixmap(const QString& resource, int scale)
{
    const QString path = scale == 1 ? QStringLiteral(":/%1.png").arg(resource)
                                    : QStringLiteral(":/%1@%2x.png").arg(resource).arg(scale);
    QPixmap pixmap(path);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

}  // namespace

QIcon CommandIcon(TCommandIcon icon)
{
    const QString name = QString::fromLatin1(CommandIconName(icon));
    QIcon result;
    for (const int scale : {1, 2})
        result.addPixmap(LoadPixmap(name, scale));
    return result;
}

QIcon ProgramIcon()
{
    QIcon result;
    for (const int size : {16, 32, 48, 128, 256})
        result.addPixmap(LoadPixmap(QStringLiteral("icons/tesuli-%1").arg(size), 1));
    // The 64-pixel drawing is also the 32-pixel icon at a pixel ratio of 2.
    QPixmap doubled(QStringLiteral(":/icons/tesuli-64.png"));
    doubled.setDevicePixelRatio(2);
    result.addPixmap(doubled);
    return result;
}

QIcon ButtonGlyph(TButtonGlyph glyph)
{
    const QString name = QString::fromLatin1(ButtonGlyphName(glyph));
    QIcon result;
    for (const int scale : {1, 2}) {
        const QPixmap pair = LoadPixmap(name, scale);
        const int side = pair.height();
        for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
            QPixmap half = pair.copy(mode == QIcon::Normal ? 0 : side, 0, side, side);
            half.setDevicePixelRatio(scale);
            result.addPixmap(half, mode);
        }
    }
    return result;
}
