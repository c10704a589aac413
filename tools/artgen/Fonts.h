#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRawFont>

namespace artwork {

// The two typefaces of the tile faces, loaded from the files the Debian packages install.
class TArtFonts {
public:
    // Throws std::runtime_error when a file is missing or the kana face lacks one of the 96 kana.
    TArtFonts();

    // Outline of a kana from the kana face alone, in pixels of a font of the given size,
    // with its origin on the baseline.
    QPainterPath KanaPath(char16_t kana, qreal pixelSize) const;
    QFont ReadingFont(int pixelSize) const;
    // Outline of a character of the bold Latin face, for the question marks of the icons.
    QPainterPath SymbolPath(char16_t symbol, qreal pixelSize) const;
    // Outline of a word in the readings' face, for a reading that stands alone on a tile.
    QPainterPath WordPath(const QString& word, qreal pixelSize) const;

private:
    QRawFont KanaFace;
    QRawFont SymbolFace;
    QRawFont WordFace;
    QString ReadingFamily;
};

}  // namespace artwork
