#include "tools/artgen/ButtonGlyphs.h"

#include <QPolygonF>

#include "tools/artgen/Canvas.h"

namespace artwork {

namespace {

constexpr int GlyphSize = 16;

void DrawTick(QPainter& p)
{
    p.setPen(QPen(Hex(0x990000), 3.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPolygonF tick({QPointF(2.5, 8.5), QPointF(6, 12.5), QPointF(13.5, 3)});
    p.drawPolyline(tick);
    p.setPen(QPen(Hex(0xee1111), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tick);
}

void DrawCross(QPainter& p)
{
    for (const auto& [colour, width] : {std::pair{0x990000u, 3.4}, {0xee1111u, 2.0}}) {
        p.setPen(QPen(Hex(colour), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    }
}

void DrawGlobe(QPainter& p)
{
    const QPointF centre(8, 8);
    constexpr qreal radius = 7;
    QRadialGradient sea(QPointF(5.5, 5.5), 9);
    sea.setColorAt(0, Hex(0x66aaff));
    sea.setColorAt(1, Hex(0x0033aa));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawEllipse(centre, radius, radius);
    // Continents, kept on the sphere.
    QPainterPath sphere;
    sphere.addEllipse(centre, radius, radius);
    p.setClipPath(sphere);
    p.setPen(Stroke(0x4d4d1a, 0.5));
    p.setBrush(Hex(0x808033));
    QPainterPath land;
    // The Americas on the left, Europe and Africa on the right.
    land.moveTo(2, 3.5);
    land.cubicTo(3.5, 2, 6.5, 2, 6.5, 3.5);
    land.cubicTo(6.5, 5, 4.5, 5.5, 4.5, 7);
    land.cubicTo(6, 8, 6.5, 10, 5.5, 12);
    land.cubicTo(5, 13.5, 4.5, 15, 3.5, 14.5);
    land.cubicTo(3.5, 12, 2, 10.5, 3, 9);
    land.cubicTo(1.5, 7.5, 0.5, 5.5, 2, 3.5);
    land.moveTo(9.5, 2.5);
    land.cubicTo(11, 1.5, 14, 2.5, 14.5, 5);
    land.cubicTo(13, 5.5, 11.5, 5, 11, 6.5);
    land.cubicTo(13, 7, 14, 8.5, 13, 10.5);
    land.cubicTo(12, 12.5, 11, 14, 10.5, 12.5);
    land.cubicTo(10.5, 11, 9.5, 9.5, 9.5, 8.5);
    land.cubicTo(8.5, 8, 8.5, 6, 9.5, 5.5);
    land.cubicTo(8.5, 4.5, 8.5, 3, 9.5, 2.5);
    p.drawPath(land);
    p.setClipping(false);
    p.setPen(Stroke(0x002266, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
}

void DrawSave(QPainter& p)
{
    // The disk in the lower right.
    p.setPen(Stroke(0x101030, 0.7));
    p.setBrush(Hex(0x303080));
    p.drawPolygon(QPolygonF({QPointF(5.5, 6.5), QPointF(14.5, 6.5), QPointF(15.5, 7.5), QPointF(15.5, 15.5), QPointF(5.5, 15.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Hex(0xc0c0c0));
    p.drawRect(QRectF(8, 6.5, 5, 3));
    p.setBrush(Hex(0xffffff));
    p.drawRect(QRectF(7.5, 11, 6, 4.5));
    // The page in the upper left, with its corner turned down.
    p.setPen(Stroke(0x505050, 0.7));
    p.setBrush(Hex(0xffffff));
    p.drawPolygon(QPolygonF({QPointF(0.5, 0.5), QPointF(5, 0.5), QPointF(7, 2.5), QPointF(7, 8.5), QPointF(0.5, 8.5)}));
    p.setPen(Stroke(0x909090, 0.5));
    for (qreal y = 3.5; y < 8; y += 1.5)
        p.drawLine(QPointF(2, y), QPointF(5.5, y));
    // The red arrow from the page into the disk.
    p.setPen(QPen(Hex(0xdd0000), 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4, 7), QPointF(8.2, 11.2));
    p.setPen(Stroke(0x990000, 0.5));
    p.setBrush(Hex(0xee1111));
    p.drawPolygon(QPolygonF({QPointF(11, 14), QPointF(6.2, 12.6), QPointF(9.6, 9.2)}));
}

// The greyed look: the glyph in soft greys over a white copy of its shape moved one pixel
// down and right, as if pressed into the button.
QImage Greyed(const QImage& glyph, int scale)
{
    QImage grey(glyph.size(), QImage::Format_ARGB32);
    QImage relief(glyph.size(), QImage::Format_ARGB32);
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x) {
            const QRgb pixel = glyph.pixel(x, y);
            const int level = 0x70 + qGray(pixel) * 0x60 / 0xff;
            grey.setPixel(x, y, qRgba(level, level, level, qAlpha(pixel)));
            relief.setPixel(x, y, qRgba(0xff, 0xff, 0xff, qAlpha(pixel)));
        }
    QImage result(glyph.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawImage(scale, scale, relief);
    painter.drawImage(0, 0, grey);
    painter.end();
    return result.convertToFormat(QImage::Format_ARGB32);
}

QImage GlyphPair(int scale, void (*draw)(QPainter&))
{
    const QImage normal = PaintPicture(GlyphSize, scale, draw);
    QImage pair(2 * normal.width(), normal.height(), QImage::Format_ARGB32);
    pair.fill(Qt::transparent);
    QPainter painter(&pair);
    painter.drawImage(0, 0, normal);
    painter.drawImage(normal.width(), 0, Greyed(normal, scale));
    return pair;
}

}  // namespace

std::vector<TNamedPicture> DrawButtonGlyphs(int scale)
{
    return {{QStringLiteral("GlyphTick"), GlyphPair(scale, DrawTick)},
            {QStringLiteral("GlyphCross"), GlyphPair(scale, DrawCross)},
            {QStringLiteral("GlyphGlobe"), GlyphPair(scale, DrawGlobe)},
            {QStringLiteral("GlyphSave"), GlyphPair(scale, DrawSave)}};
}

}  // namespace artwork
