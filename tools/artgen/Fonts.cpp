#include "tools/artgen/Fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <QTransform>
#include <stdexcept>


namespace artwork {

namespace {

constexpr const char* KanaFontFile = "/usr/share/fonts/truetype/klee/KleeOne-SemiBold.ttf";
constexpr const char* SymbolFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
// Outlines are taken at a large size so that no hinting bends them, then scaled.
constexpr qreal OutlineSize = 1000;

QString AddFontFile(const char* file)
{
    const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        throw std::runtime_error(std::string("cannot load the font ") + file);
    return families.front();
}

// Without font merging a character the face lacks would come out as a box, not from another face.
QFont UnmergedFont(const QString& family, QFont::Weight weight, int pixelSize)
{
    QFont font(family);
    font.setWeight(weight);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferAntialias));
    return font;
}

void RequireCharacter(const QFont& font, const QRawFont& raw, char16_t character)
{
    const QChar ch(character);
    if (!QFontMetrics(font).inFont(ch) || !raw.supportsCharacter(ch))
        throw std::runtime_error("the font " + raw.familyName().toStdString() + " has no glyph for U+" +
                                 QString::number(character, 16).toStdString());
}

}  // namespace

TArtFonts::TArtFonts()
{
    const QString kanaFamily = AddFontFile(KanaFontFile);
    const QFont kanaFont = UnmergedFont(kanaFamily, QFont::DemiBold, int(OutlineSize));
    KanaFace = QRawFont::fromFont(kanaFont);
    if (!KanaFace.isValid() || KanaFace.familyName() != kanaFamily || KanaFace.weight() != QFont::DemiBold)
        throw std::runtime_error("the kana face resolved to " + KanaFace.familyName().toStdString() + " " +
                                 KanaFace.styleName().toStdString());
    RequireCharacter(kanaFont, KanaFace, u'す');

    SymbolFace = QRawFont(QString::fromUtf8(SymbolFontFile), OutlineSize);
    if (!SymbolFace.isValid() || !SymbolFace.supportsCharacter(QChar(u'?')))
        throw std::runtime_error(std::string("cannot load the font ") + SymbolFontFile);
}

namespace {

QPainterPath GlyphPath(const QRawFont& face, char16_t character, qreal pixelSize)
{
    const QList<quint32> glyphs = face.glyphIndexesForString(QString(QChar(character)));
    const qreal factor = pixelSize / OutlineSize;
    // Some contours have degenerate pieces on which a wide pen leaves a hairline gap; the
    // simplified outline (overlaps merged, no zero-length segments) strokes cleanly.
    return QTransform::fromScale(factor, factor).map(face.pathForGlyph(glyphs.front()).simplified());
}

}  // namespace

QPainterPath TArtFonts::KanaPath(char16_t kana, qreal pixelSize) const
{
    return GlyphPath(KanaFace, kana, pixelSize);
}

QPainterPath TArtFonts::SymbolPath(char16_t symbol, qreal pixelSize) const
{
    return GlyphPath(SymbolFace, symbol, pixelSize);
}

}  // namespace artwork
