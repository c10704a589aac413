#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRawFont>

namespace artwork {

// The typefaces of the icons, loaded from the files the Debian packages install.
class TArtFonts {
public:
    // Throws std::runtime_error when a file is missing or the kana face lacks the program icon's kana.
    TArtFonts();

    // Outline of a kana from the kana face alone, in pixels of a font of the given size,
    // with its origin on the baseline.
    QPainterPath KanaPath(char16_t kana, qreal pixelSize) const;
    // Outline of a character of the bold Latin face, for the question marks of the icons.
    QPainterPath SymbolPath(char16_t symbol, qreal pixelSize) const;

private:
    QRawFont KanaFace;
    QRawFont SymbolFace;
};

}  // namespace artwork
