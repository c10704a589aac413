#include "tools/artgen/FaceSheet.h"

#include <QPainter>
#include <cmath>

#include "tools/artgen/Canvas.h"
#include "tools/artgen/CellFrame.h"
#include "tools/artgen/FaceTable.h"

namespace artwork {

namespace {

constexpr int SheetColumns = 24;
constexpr int FacesPerLook = 48;

// The character stands in cell columns 6-36 and rows 5-34, the reading in rows 36-48.
constexpr QRectF CharacterBox(6, 5, 31, 30);
constexpr QRectF InnerPlate(6, 3, 31, 47);
constexpr qreal ReadingCentre = 21.5;
constexpr qreal ReadingBaseline = 46;
constexpr int ReadingPixelSize = 11;

// The face's strokes are thickened by this much to read well at 30 pixels.
constexpr qreal Emboldening = 0.9;
// Artwork 1's white edge outside the strokes and its grey shadow.
constexpr qreal EdgeWidth = 1;
constexpr qreal ShadowOffset = 1;

struct TStyle {
    uint32_t Plate(const TFaceArt& face) const
    {
        return Maroon ? Plate1 : FamilyColours[size_t(face.Family)].Plate;
    }
    uint32_t Highlight() const { return Maroon ? Highlight1 : Highlight0; }
    uint32_t Character(const TFaceArt& face) const
    {
        return Maroon ? FamilyColours[size_t(face.Family)].Character : Ink0;
    }
    uint32_t Reading() const { return Maroon ? Reading1 : Reading0; }
    // How far the ink reaches out of the character's outline on every side, and how much further
    // the shadow reaches down and right.
    qreal Growth() const { return Emboldening / 2 + (Maroon ? EdgeWidth : 0); }
    qreal Shadow() const { return Maroon ? ShadowOffset : 0; }
    bool Maroon;
};

uint32_t PartColour(TCellPart part, uint32_t plate)
{
    switch (part) {
    case TCellPart::Corner: return Corner;
    case TCellPart::Outline: return Outline;
    case TCellPart::Band: return Band;
    case TCellPart::Bevel: return Bevel;
    case TCellPart::Shade: return Shade;
    case TCellPart::Plate: return plate;
    }
    return plate;
}

QImage DrawFrame(int scale, uint32_t plate)
{
    QImage frame(CellWidth * scale, CellHeight * scale, QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            frame.setPixel(x, y, 0xff000000 | PartColour(CellPartAt((x + 0.5) / scale, (y + 0.5) / scale), plate));
    return frame;
}

// One size for all kana, the largest whose tallest and widest character fits the box.
qreal KanaPixelSize(const TStyle& style, const TArtFonts& fonts)
{
    qreal height = 0, width = 0;
    for (const TFaceArt& face : Faces) {
        const QRectF ink = fonts.KanaPath(face.Kana, 1).boundingRect();
        height = std::max(height, ink.height());
        width = std::max(width, ink.width());
    }
    // Half a pixel on each side is kept for moving the character to whole pixels, and as much
    // again for the antialiased fringe of its outline.
    const qreal room = 2 * style.Growth() + style.Shadow() + 2;
    return std::min((CharacterBox.height() - room) / height, (CharacterBox.width() - room) / width);
}

// Each character is centred on its own ink, moved to whole device pixels so that every tile of
// a face is the same picture.
QPainterPath PlacedKana(const TFaceArt& face, const TStyle& style, int scale, const TArtFonts& fonts)
{
    QPainterPath path = fonts.KanaPath(face.Kana, KanaPixelSize(style, fonts) * scale);
    const QPointF centre = (CharacterBox.center() - QPointF(style.Shadow(), style.Shadow()) / 2) * scale;
    const QPointF shift = centre - path.boundingRect().center();
    return path.translated(std::round(shift.x()), std::round(shift.y()));
}

void DrawCharacter(QPainter& painter, const TFaceArt& face, const TStyle& style, int scale, const TArtFonts& fonts)
{
    const QPainterPath kana = PlacedKana(face, style, scale, fonts);
    // The outline is filled and stroked along, so that a pen widens every stroke evenly.
    const auto fill = [&](const QPainterPath& path, uint32_t colour, qreal widening) {
        painter.setPen(QPen(Hex(colour), widening * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Hex(colour));
        painter.drawPath(path);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    if (style.Maroon) {
        const qreal edged = Emboldening + 2 * EdgeWidth;
        fill(kana.translated(ShadowOffset * scale, ShadowOffset * scale), Shadow1, edged);
        fill(kana, White, edged);
    }
    fill(kana, style.Character(face), Emboldening);
}

void DrawReading(QPainter& painter, const TFaceArt& face, const TStyle& style, int scale, const TArtFonts& fonts)
{
    const QFont font = fonts.ReadingFont(ReadingPixelSize * scale);
    const QString reading = QString::fromLatin1(face.Reading);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(reading);
    painter.setFont(font);
    painter.setPen(Hex(style.Reading()));
    painter.drawText(QPointF(std::round(ReadingCentre * scale - advance / 2), ReadingBaseline * scale), reading);
}

// Character and reading on a transparent layer, so that the plain and the highlighted cell
// blend exactly the same ink over their plates.
QImage DrawInk(const TFaceArt& face, const TStyle& style, int scale, const TArtFonts& fonts)
{
    QImage ink(CellWidth * scale, CellHeight * scale, QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    QPainter painter(&ink);
    painter.setClipRect(QRectF(InnerPlate.topLeft() * scale, InnerPlate.size() * scale));
    DrawCharacter(painter, face, style, scale, fonts);
    DrawReading(painter, face, style, scale, fonts);
    return ink;
}

}  // namespace

QImage DrawFaceSheet(int style, int scale, const TArtFonts& fonts)
{
    const TStyle look{style == 1};
    QImage sheet(SheetColumns * CellWidth * scale, 4 * CellHeight * scale, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int face = 0; face < FacesPerLook; ++face) {
        const TFaceArt& art = Faces[size_t(face)];
        const QImage ink = DrawInk(art, look, scale, fonts);
        const int left = (face % SheetColumns) * CellWidth * scale;
        const int top = (face / SheetColumns) * CellHeight * scale;
        for (const bool highlighted : {false, true}) {
            const QPoint at(left, top + (highlighted ? 2 * CellHeight * scale : 0));
            painter.drawImage(at, DrawFrame(scale, highlighted ? look.Highlight() : look.Plate(art)));
            painter.drawImage(at, ink);
        }
    }
    return sheet;
}

}  // namespace artwork
