// Every catalogue kana as the game draws its face at one scale: a row per kana, and in each row
// both artworks, each as hiragana and katakana with the reading, alone, and the reading alone.
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "faces/FaceMaker.h"

namespace {

struct TColumn {
    TScript Script;
    TFaceShows Shows;
};
constexpr TColumn Columns[] = {{TScript::Hiragana, TFaceShows::KanaWithReading},
                               {TScript::Katakana, TFaceShows::KanaWithReading},
                               {TScript::Hiragana, TFaceShows::Kana},
                               {TScript::Katakana, TFaceShows::Kana},
                               {TScript::Hiragana, TFaceShows::Reading}};
constexpr int ColumnCount = sizeof Columns / sizeof Columns[0];

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SCALE OUTPUT.png\n", argv[0]);
        return 2;
    }
    const double scale = std::atof(argv[1]);
    if (!(scale > 0)) {
        std::fprintf(stderr, "the scale must be a positive number\n");
        return 2;
    }
    const int width = FaceWidth(scale), height = FaceHeight(scale);
    QImage sheet(width * ColumnCount * 2, height * CatalogueSize, QImage::Format_RGB32);
    for (int kana = 0; kana < CatalogueSize; ++kana)
        for (uint8_t artwork = 0; artwork < 2; ++artwork)
            for (int column = 0; column < ColumnCount; ++column) {
                const TFacePicture face{TKanaId(kana), Columns[column].Script, Columns[column].Shows, artwork, false};
                const TPixelImage cell = MakeFace(face, scale);
                const int left = (artwork * ColumnCount + column) * width;
                for (int y = 0; y < height; ++y)
                    for (int x = 0; x < width; ++x)
                        sheet.setPixel(left + x, kana * height + y, cell.At(x, y));
            }
    if (!sheet.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
