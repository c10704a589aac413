#include "qt/common/Artwork.h"

#include <QImage>
#include <QPixmap>
#include <QPixmapCache>
#include <QString>

namespace {

// Decoded once for all the windows that show it. Through QImage rather than QPixmap's own loader,
// whose cache key asks the time zone for the file's date, dearly at each of the start's icons.
QPixmap BuiltInPixmap(const QString& path, int pixelRatio)
{
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap = QPixmap::fromImage(QImage(path));
        pixmap.setDevicePixelRatio(pixelRatio);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

// Both sizes are added explicitly so that the icon never scales a picture when a drawn one exists.
QPixmap LoadPixmap(const QString& resource, int scale)
{
    const QString path = scale == 1 ? QStringLiteral(":/%1.png").arg(resource)
                                    : QStringLiteral(":/%1@%2x.png").arg(resource).arg(scale);
    return BuiltInPixmap(path, scale);
}

}  // namespace

QIcon CommandIcon(TCommandId command)
{
    const QString name = QString::fromUtf8(LookOf(command).IconName);
    QIcon result;
    result.addPixmap(LoadPixmap(name, 1));
    // Decoded only when a screen of twice the density first shows it.
    result.addFile(QStringLiteral(":/%1@2x.png").arg(name), QSize(32, 32));
    return result;
}

QIcon SmallProgramIcon()
{
    QIcon result;
    for (const int size : {16, 32, 48})
        result.addPixmap(LoadPixmap(QStringLiteral("icons/tesuli-%1").arg(size), 1));
    // The 64-pixel drawing is also the 32-pixel icon at a pixel ratio of 2.
    result.addPixmap(BuiltInPixmap(QStringLiteral(":/icons/tesuli-64.png"), 2));
    return result;
}

QIcon ProgramIcon()
{
    QIcon result = SmallProgramIcon();
    for (const int size : {128, 256})
        result.addPixmap(LoadPixmap(QStringLiteral("icons/tesuli-%1").arg(size), 1));
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
