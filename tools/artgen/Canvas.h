#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace artwork {

// A transparent picture of side logicalSize drawn at scale times that size: the drawing works
// in logical pixels and is rasterised at the final size, never enlarged afterwards.
QImage PaintPicture(int logicalSize, int scale, const std::function<void(QPainter&)>& draw);

// The path moved and resized (keeping its proportions) so that it is centred in box and
// touches its longer sides.
QPainterPath FittedPath(const QPainterPath& path, const QRectF& box);

QColor Hex(uint32_t rgb);
QPen Stroke(uint32_t rgb, qreal width);

}  // namespace artwork
