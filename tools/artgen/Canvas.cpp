#include "tools/artgen/Canvas.h"

#include <algorithm>

namespace artwork {

QImage PaintPicture(int logicalSize, int scale, const std::function<void(QPainter&)>& draw)
{
    QImage picture(logicalSize * scale, logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QPainterPath FittedPath(const QPainterPath& path, const QRectF& box)
{
    const QRectF bounds = path.boundingRect();
    const qreal factor = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.center().y());
    transform.scale(factor, factor);
    transform.translate(-bounds.center().x(), -bounds.center().y());
    return transform.map(path);
}

QColor Hex(uint32_t rgb) { return QColor::fromRgb(QRgb(0xff000000 | rgb)); }

QPen Stroke(uint32_t rgb, qreal width)
{
    return QPen(Hex(rgb), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace artwork
