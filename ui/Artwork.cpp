#include "ui/Artwork.h"

#include <QImage>
#include <QPixmap>
#include <QString>

namespace {

QString CommandIconName(TCommandIcon icon)
{
    switch (icon) {
    case TCommandIcon::NewGame: return QStringLiteral("NewGame");
    case TCommandIcon::Hint: return QStringLiteral("Hint");
    case TCommandIcon::Shuffle: return QStringLiteral("Shuffle");
    case TCommandIcon::Exit: return QStringLiteral("Exit");
    case TCommandIcon::Undo: return QStringLiteral("Undo");
    case TCommandIcon::Options: return QStringLiteral("Options");
    case TCommandIcon::About: return QStringLiteral("About");
    case TCommandIcon::Help: return QStringLiteral("Help");
    case TCommandIcon::Scores: return QStringLiteral("Scores");
    }
    return {};
}

QString ButtonGlyphName(TButtonGlyph glyph)
{
    switch (glyph) {
    case TButtonGlyph::Tick: return QStringLiteral("Tick");
    case TButtonGlyph::Cross: return QStringLiteral("Cross");
    case TButtonGlyph::Globe: return QStringLiteral("Globe");
    case TButtonGlyph::Save: return QStringLiteral("Save");
    }
    return {};
}

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
    const QString name = QStringLiteral("Icon") + CommandIconName(icon);
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
    const QString name = QStringLiteral("Glyph") + ButtonGlyphName(glyph);
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
