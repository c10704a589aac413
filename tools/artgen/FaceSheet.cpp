#include "tools/artgen/FaceSheet.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "tools/artgen/Canvas.h"
#include "tools/artgen/CellFrame.h"
#include "tools/artgen/FaceTable.h"

namespace artwork {

namespace {

constexpr int SheetColumns = 24;
constexpr int FacesPerLook = 48;
constexpr int RowsPerBlock = 4;

// The character stands in cell columns 6-36 and rows 5-34, the reading in rows 36-48. Without a
// reading the kana, or a reading alone, has the inner plate but for its outer rows.
constexpr QRectF CharacterBox(6, 5, 31, 30);
constexpr QRectF AloneBox(6, 4, 31, 45);
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
    // Half a pixel on each side is kept for moving the ink to whole pixels, and as much again for
    // the antialiased fringe of its outline.
    qreal Room() const { return 2 * Growth() + Shadow() + 2; }
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

char16_t KanaOf(const TFaceArt& face, TScript script)
{
    return script == TScript::Katakana ? Katakana(face.Kana) : face.Kana;
}

// The largest size at which the tallest and the widest kana of the script fit the box.
qreal FittingKanaSize(TScript script, const QRectF& box, const TStyle& style, const TArtFonts& fonts)
{
    qreal height = 0, width = 0;
    for (const TFaceArt& face : Faces) {
        const QRectF ink = fonts.KanaPath(KanaOf(face, script), 1).boundingRect();
        height = std::max(height, ink.height());
        width = std::max(width, ink.width());
    }
    return std::min((box.height() - style.Room()) / height, (box.width() - style.Room()) / width);
}

// One size for all kana of a box: the hiragana's own, and no larger for the katakana, so that both
// scripts on one board look alike.
qreal KanaPixelSize(TScript script, const QRectF& box, const TStyle& style, const TArtFonts& fonts)
{
    const qreal hiragana = FittingKanaSize(TScript::Hiragana, box, style, fonts);
    return script == TScript::Katakana ? std::min(hiragana, FittingKanaSize(script, box, style, fonts)) : hiragana;
}

// The readings standing alone share one size and one baseline: the largest at which the widest
// word, and the reach of all of them above and below the baseline, fit the box.
struct TWordSetting {
    qreal PixelSize;
    qreal Baseline;  // in cell pixels
};

TWordSetting AloneReadingSetting(const TStyle& style, const TArtFonts& fonts)
{
    qreal width = 0, above = 0, below = 0;
    for (const TFaceArt& face : Faces) {
        const QRectF ink = fonts.WordPath(QString::fromLatin1(face.Reading), 1).boundingRect();
        width = std::max(width, ink.width());
        above = std::max(above, -ink.top());
        below = std::max(below, ink.bottom());
    }
    const qreal room = style.Room();
    const qreal size = std::min((AloneBox.height() - room) / (above + below), (AloneBox.width() - room) / width);
    const qreal inkTop = AloneBox.center().y() - style.Shadow() / 2 - (above + below) * size / 2;
    return {size, inkTop + above * size};
}

// What a block draws its ink with; the sizes are worked out once a sheet.
struct TBlockInk {
    TBlockArt Art;
    qreal KanaSize = 0;
    TWordSetting Word{};
};

// Each picture is centred across on its own ink, and a kana also down, moved to whole device
// pixels so that every tile of a face is the same picture.
QPainterPath Placed(const QPainterPath& path, qreal centreX, qreal centreY, bool centreDown, const TStyle& style,
                    int scale)
{
    const QPointF centre = QPointF(centreX - style.Shadow() / 2, centreY - style.Shadow() / 2) * scale;
    const QPointF inkCentre = path.boundingRect().center();
    const qreal dx = centre.x() - inkCentre.x(), dy = centreDown ? centre.y() - inkCentre.y() : 0;
    return path.translated(std::round(dx), std::round(dy));
}

QPainterPath KanaPicture(const TFaceArt& face, const TBlockInk& block, const TStyle& style, int scale,
                         const TArtFonts& fonts)
{
    const QRectF box = block.Art.Reading ? CharacterBox : AloneBox;
    const QPainterPath path = fonts.KanaPath(KanaOf(face, block.Art.Script), block.KanaSize * scale);
    return Placed(path, box.center().x(), box.center().y(), true, style, scale);
}

QPainterPath WordPicture(const TFaceArt& face, const TBlockInk& block, const TStyle& style, int scale,
                         const TArtFonts& fonts)
{
    const QPainterPath path = fonts.WordPath(QString::fromLatin1(face.Reading), block.Word.PixelSize * scale)
                                  .translated(0, std::round(block.Word.Baseline * scale));
    return Placed(path, AloneBox.center().x(), 0, false, style, scale);
}

// The outline is filled and stroked along, so that a pen widens every stroke evenly.
void DrawPicture(QPainter& painter, const QPainterPath& picture, const TFaceArt& face, const TStyle& style, int scale)
{
    const auto fill = [&](const QPainterPath& path, uint32_t colour, qreal widening) {
        painter.setPen(QPen(Hex(colour), widening * scale, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Hex(colour));
        painter.drawPath(path);
    };
    painter.setRenderHint(QPainter::Antialiasing);
    if (style.Maroon) {
        const qreal edged = Emboldening + 2 * EdgeWidth;
        fill(picture.translated(ShadowOffset * scale, ShadowOffset * scale), Shadow1, edged);
        fill(picture, White, edged);
    }
    fill(picture, style.Character(face), Emboldening);
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

// The cell's pictures on a transparent layer, so that the plain and the highlighted cell blend
// exactly the same ink over their plates.
QImage DrawInk(const TFaceArt& face, const TBlockInk& block, const TStyle& style, int scale, const TArtFonts& fonts)
{
    QImage ink(CellWidth * scale, CellHeight * scale, QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    QPainter painter(&ink);
    painter.setClipRect(QRectF(InnerPlate.topLeft() * scale, InnerPlate.size() * scale));
    if (block.Art.Script == TScript::None) {
        DrawPicture(painter, WordPicture(face, block, style, scale, fonts), face, style, scale);
        return ink;
    }
    DrawPicture(painter, KanaPicture(face, block, style, scale, fonts), face, style, scale);
    if (block.Art.Reading)
        DrawReading(painter, face, style, scale, fonts);
    return ink;
}

}  // namespace

QImage DrawFaceSheet(int style, int scale, const TArtFonts& fonts)
{
    const TStyle look{style == 1};
    const TWordSetting word = AloneReadingSetting(look, fonts);
    QImage sheet(SheetColumns * CellWidth * scale, int(Blocks.size()) * RowsPerBlock * CellHeight * scale,
                 QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (size_t b = 0; b < Blocks.size(); ++b) {
        TBlockInk block{Blocks[b]};
        if (block.Art.Script != TScript::None)
            block.KanaSize = KanaPixelSize(block.Art.Script, block.Art.Reading ? CharacterBox : AloneBox, look, fonts);
        block.Word = word;
        const int blockTop = int(b) * RowsPerBlock * CellHeight * scale;
        for (int face = 0; face < FacesPerLook; ++face) {
            const TFaceArt& art = Faces[size_t(face)];
            const QImage ink = DrawInk(art, block, look, scale, fonts);
            const int left = (face % SheetColumns) * CellWidth * scale;
            const int top = blockTop + (face / SheetColumns) * CellHeight * scale;
            for (const bool highlighted : {false, true}) {
                const QPoint at(left, top + (highlighted ? 2 * CellHeight * scale : 0));
                painter.drawImage(at, DrawFrame(scale, highlighted ? look.Highlight() : look.Plate(art)));
                painter.drawImage(at, ink);
            }
        }
    }
    return sheet;
}

}  // namespace artwork
