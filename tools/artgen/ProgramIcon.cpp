#include "tools/artgen/ProgramIcon.h"

#include "tools/artgen/Canvas.h"

namespace artwork {

namespace {

constexpr int DesignSize = 32;
constexpr qreal OutlineWidth = 3;

}  // namespace

QImage DrawProgramIcon(int size, const TArtFonts& fonts)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    // Small icons keep an outline of at least a pixel on each side.
    const qreal scale = qreal(size) / DesignSize;
    const qreal outline = std::max(OutlineWidth * scale, 2.0);
    const qreal margin = outline / 2 + scale * 0.5;
    const QPainterPath su = FittedPath(fonts.KanaPath(u'す', 100), QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
    painter.setPen(QPen(Hex(0x400040), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Hex(0x400040));
    painter.drawPath(su);
    painter.setPen(QPen(Hex(0xee0000), std::max(0.6 * scale, 0.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Hex(0xee0000));
    painter.drawPath(su);
    painter.end();
    return icon.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace artwork
