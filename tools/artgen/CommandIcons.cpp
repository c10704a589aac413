#include "tools/artgen/CommandIcons.h"

#include <QPolygonF>
#include <QtMath>
#include <cmath>

#include "tools/artgen/Canvas.h"

namespace artwork {

namespace {

constexpr int IconSize = 16;

QPainterPath QuestionMark(const TArtFonts& fonts, const QRectF& box)
{
    return FittedPath(fonts.SymbolPath(u'?', 100), box);
}

// A toothed wheel with a hole: teeth are trapezoids between the two radii.
QPainterPath Cog(QPointF centre, qreal outer, qreal inner, int teeth, qreal hole, qreal turn)
{
    QPolygonF rim;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const qreal step = 2 * M_PI / teeth;
        const qreal a = turn + tooth * step;
        for (const auto& [offset, radius] : {std::pair{-0.30, inner}, {-0.17, outer}, {0.17, outer}, {0.30, inner}})
            rim << centre + QPointF(std::cos(a + offset * step), std::sin(a + offset * step)) * radius;
    }
    QPainterPath path;
    path.addPolygon(rim);
    path.closeSubpath();
    path.addEllipse(centre, hole, hole);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void DrawHint(QPainter& p, const TArtFonts& fonts)
{
    QRadialGradient disc(QPointF(6, 5), 9);
    disc.setColorAt(0, Hex(0xffff99));
    disc.setColorAt(1, Hex(0xffcc00));
    p.setPen(Stroke(0xb08000, 1));
    p.setBrush(disc);
    p.drawEllipse(QPointF(8, 8), 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Hex(0xdd0000));
    p.drawPath(QuestionMark(fonts, QRectF(4.5, 2.5, 7, 11)));
}

void DrawShuffle(QPainter& p, const TArtFonts&)
{
    const auto cog = [&](const QPainterPath& path) {
        QLinearGradient metal(0, 0, 16, 16);
        metal.setColorAt(0, Hex(0xf0f0f0));
        metal.setColorAt(1, Hex(0x909090));
        p.setPen(Stroke(0x303030, 0.9));
        p.setBrush(metal);
        p.drawPath(path);
    };
    cog(Cog(QPointF(6, 6), 5.7, 3.9, 7, 1.6, 0));
    cog(Cog(QPointF(11.6, 11.6), 4.2, 2.8, 6, 1.2, 0.25));
}

void DrawExit(QPainter& p, const TArtFonts&)
{
    // The dark frame with the dark doorway, and the leaf swung open towards the viewer.
    p.setPen(Stroke(0x202020, 1));
    p.setBrush(Hex(0x101010));
    p.drawRect(QRectF(5.5, 1.5, 8, 13));
    p.setPen(Stroke(0x806000, 0.8));
    p.setBrush(Hex(0xffdd22));
    p.drawPolygon(QPolygonF({QPointF(5.5, 1.5), QPointF(10, 3.5), QPointF(10, 15.5), QPointF(5.5, 14.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Hex(0x604000));
    p.drawEllipse(QPointF(8.7, 9), 0.8, 0.8);
    // The way out.
    p.setPen(Stroke(0x008000, 1.4));
    p.drawLine(QPointF(1.5, 8.5), QPointF(4.5, 8.5));
    p.drawPolyline(QPolygonF({QPointF(3, 7), QPointF(1.5, 8.5), QPointF(3, 10)}));
}

void DrawOptions(QPainter& p, const TArtFonts&)
{
    p.setPen(Stroke(0x101018, 1));
    p.setBrush(Hex(0x33334d));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Hex(0xee1111));
    p.drawRect(QRectF(2.5, 2.5, 5, 5));
    p.setPen(Stroke(0xffdd00, 1.8));
    p.drawLine(QPointF(11, 2.5), QPointF(11, 7.5));
    p.drawLine(QPointF(8.5, 5), QPointF(13.5, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(Hex(0x3377ff));
    p.drawPolygon(QPolygonF({QPointF(2, 14), QPointF(5, 9), QPointF(8, 14)}));
    // The eraser lies across the lower right corner.
    p.save();
    p.translate(11.5, 11.5);
    p.rotate(-35);
    p.setPen(Stroke(0x808080, 0.7));
    p.setBrush(Hex(0xffffff));
    p.drawRoundedRect(QRectF(-3.5, -1.8, 7, 3.6), 0.8, 0.8);
    p.setBrush(Hex(0xa0c0ff));
    p.drawRect(QRectF(1.2, -1.8, 2.3, 3.6));
    p.restore();
}

void DrawUndo(QPainter& p, const TArtFonts&)
{
    // Three quarters of a circle, run anticlockwise (as seen) from the lower right over the top
    // to the lower left, where the head points on round.
    const QRectF circle(2.5, 2.5, 11, 11);
    constexpr qreal start = -45, sweep = 255;
    QPainterPath arc;
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, sweep);
    p.setPen(QPen(Hex(0x0033cc), 2.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    const qreal end = qDegreesToRadians(start + sweep);
    const QPointF tip = arc.currentPosition(), ahead(-std::sin(end), -std::cos(end)), across(ahead.y(), -ahead.x());
    p.setPen(Stroke(0x002299, 0.6));
    p.setBrush(Hex(0x0044ee));
    p.drawPolygon(QPolygonF({tip + ahead * 3.2, tip + across * 3, tip - across * 3}));
}

void DrawNewGame(QPainter& p, const TArtFonts&)
{
    const QPointF centre(8, 8);
    p.setPen(Stroke(0xcc7700, 0.6));
    p.setBrush(Hex(0xffcc00));
    for (int ray = 0; ray < 8; ++ray) {
        const qreal a = ray * M_PI / 4;
        const QPointF dir(std::cos(a), std::sin(a)), side(-dir.y(), dir.x());
        p.drawPolygon(QPolygonF({centre + dir * 7.6, centre + dir * 4.2 + side * 1.6, centre + dir * 4.2 - side * 1.6}));
    }
    QRadialGradient sun(QPointF(6.8, 6.8), 5);
    sun.setColorAt(0, Hex(0xffff80));
    sun.setColorAt(1, Hex(0xffc000));
    p.setPen(Stroke(0xcc7700, 0.8));
    p.setBrush(sun);
    p.drawEllipse(centre, 4.3, 4.3);
}

void DrawHelp(QPainter& p, const TArtFonts& fonts)
{
    // Two pages spread from the spine, on a blue cover.
    p.setPen(Stroke(0x1a2a80, 0.8));
    p.setBrush(Hex(0x3050c0));
    p.drawPolygon(QPolygonF({QPointF(0.5, 5), QPointF(8, 7), QPointF(15.5, 5), QPointF(15.5, 15), QPointF(8, 15.5), QPointF(0.5, 15)}));
    p.setPen(Stroke(0x707070, 0.6));
    p.setBrush(Hex(0xffffff));
    p.drawPolygon(QPolygonF({QPointF(1.5, 4), QPointF(8, 6), QPointF(8, 14.5), QPointF(1.5, 13.5)}));
    p.drawPolygon(QPolygonF({QPointF(14.5, 4), QPointF(8, 6), QPointF(8, 14.5), QPointF(14.5, 13.5)}));
    p.setPen(Stroke(0xffffff, 1.6));
    p.setBrush(Hex(0xdd0000));
    const QPainterPath mark = QuestionMark(fonts, QRectF(5, 0.3, 6, 9.5));
    p.drawPath(mark);
    p.setPen(Qt::NoPen);
    p.drawPath(mark);
}

void DrawAbout(QPainter& p, const TArtFonts&)
{
    // Rays of the ringing bell on both sides.
    p.setPen(Stroke(0xffcc00, 1.2));
    for (const qreal side : {-1.0, 1.0}) {
        p.drawLine(QPointF(8 + side * 5.8, 4.2), QPointF(8 + side * 7.4, 2.6));
        p.drawLine(QPointF(8 + side * 6.4, 7.2), QPointF(8 + side * 7.6, 7.2));
        p.drawLine(QPointF(8 + side * 5.8, 1.6), QPointF(8 + side * 6.4, 0.6));
    }
    // The body, with the dial, and the handset resting on its cradle.
    p.setPen(Stroke(0x660000, 0.8));
    p.setBrush(Hex(0xdd1111));
    p.drawPolygon(QPolygonF({QPointF(4.5, 8), QPointF(11.5, 8), QPointF(14, 15), QPointF(2, 15)}));
    QPainterPath handset;
    handset.moveTo(2, 6.5);
    handset.cubicTo(2, 2.5, 14, 2.5, 14, 6.5);
    handset.lineTo(11, 7.5);
    handset.cubicTo(10.5, 5.5, 5.5, 5.5, 5, 7.5);
    handset.closeSubpath();
    p.drawPath(handset);
    p.setPen(Stroke(0x660000, 0.6));
    p.setBrush(Hex(0xffeeee));
    p.drawEllipse(QPointF(8, 11.5), 2.2, 2.2);
}

void DrawScores(QPainter& p, const TArtFonts&)
{
    p.setPen(Stroke(0x606060, 0.8));
    p.setBrush(Hex(0xfffff0));
    p.drawRect(QRectF(1.5, 2.5, 10, 13));
    p.setPen(Stroke(0x6080ff, 0.7));
    for (qreal y = 6.5; y < 15; y += 2)
        p.drawLine(QPointF(3, y), QPointF(10, y));
    // The binding across the top.
    p.setPen(Stroke(0x404040, 0.6));
    p.setBrush(Hex(0xcc2222));
    p.drawRect(QRectF(1.5, 1, 10, 2.5));
    // The pencil leaning over the pad.
    p.save();
    p.translate(11, 9);
    p.rotate(35);
    p.setPen(Stroke(0x604000, 0.5));
    p.setBrush(Hex(0xffcc00));
    p.drawRect(QRectF(-1.2, -6.5, 2.4, 9));
    p.setBrush(Hex(0xff9999));
    p.drawRect(QRectF(-1.2, -8, 2.4, 1.5));
    p.setBrush(Hex(0xf0d0a0));
    p.drawPolygon(QPolygonF({QPointF(-1.2, 2.5), QPointF(1.2, 2.5), QPointF(0, 5.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Hex(0x202020));
    p.drawPolygon(QPolygonF({QPointF(-0.45, 4.4), QPointF(0.45, 4.4), QPointF(0, 5.5)}));
    p.restore();
}

// A card with three bars from quick to slow, as the progress chart colours its kana.
void DrawProgress(QPainter& p, const TArtFonts&)
{
    p.setPen(Stroke(0x606060, 0.8));
    p.setBrush(Hex(0xffffff));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    const std::pair<qreal, uint32_t> bars[] = {{4, 0x4caf50}, {7, 0xe0b000}, {10.5, 0xd84a3a}};
    for (size_t bar = 0; bar < std::size(bars); ++bar) {
        const auto& [height, colour] = bars[bar];
        p.setPen(Stroke(0x404040, 0.5));
        p.setBrush(Hex(colour));
        p.drawRect(QRectF(3.5 + 3.5 * static_cast<qreal>(bar), 13 - height, 2.5, height));
    }
}

using TIconDrawing = void (*)(QPainter&, const TArtFonts&);

struct TIconEntry {
    const char* Name;
    TIconDrawing Draw;
};

constexpr TIconEntry IconEntries[] = {
    {"NewGame", DrawNewGame}, {"Hint", DrawHint},       {"Shuffle", DrawShuffle},
    {"Exit", DrawExit},       {"Undo", DrawUndo},       {"Options", DrawOptions},
    {"About", DrawAbout},     {"Help", DrawHelp},       {"Scores", DrawScores},
    {"Progress", DrawProgress},
};

}  // namespace

std::vector<TNamedPicture> DrawCommandIcons(int scale, const TArtFonts& fonts)
{
    std::vector<TNamedPicture> icons;
    for (const TIconEntry& entry : IconEntries)
        icons.push_back({QStringLiteral("Icon") + QString::fromLatin1(entry.Name),
                         PaintPicture(IconSize, scale, [&](QPainter& p) { entry.Draw(p, fonts); })});
    return icons;
}

}  // namespace artwork
