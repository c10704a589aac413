// Pictures of every map fully dealt, in both artworks and at both pixel ratios, for looking at
// the tiles in place: tesuli_boardshots <folder> [<kana> <readings>], in the learning modes given
// (the defaults when left out).
#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "model/Game.h"
#include "model/MapUnit.h"
#include "qt/window/BoardImage.h"
#include "qt/common/SpriteUnit.h"
#include "tests/support/BoardImageEffects.h"
#include "tests/support/SeededRandom.h"

namespace {

QImage Shot(uint8_t map, const TTileLook& look, int scale)
{
    TBoardImageEffects shot(scale);
    // The same deal on every run, so that pictures can be compared.
    TSeededRandom random(20240601);
    TGame game(shot, random);
    game.MapNumber = map;
    game.FaceStyle = look.FaceStyle;
    game.Kana = look.Kana;
    game.Readings = look.Readings;
    game.BackgroundIndex = uint8_t((map - 1) % 6);
    game.CreateTiles();
    game.DealTiles();
    // One free pair in the highlighted look, as a hint shows it.
    uint8_t first = 0, second = 0;
    if (game.FindFreePair(first, second))
        game.Tiles[first].Hinted = game.Tiles[second].Hinted = true;
    game.DrawBoard();
    return shot.Board.Image().copy();  // the picture goes with shot
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s <folder> [<kana 0-2> <readings 0-2>]\n", argv[0]);
        return 2;
    }
    const uint8_t kana = argc == 4 ? uint8_t(std::atoi(argv[2])) : 0;
    const uint8_t readings = argc == 4 ? uint8_t(std::atoi(argv[3])) : 0;
    const QString modes = kana == 0 && readings == 0 ? QString() : QStringLiteral("-kana%1-readings%2").arg(kana).arg(readings);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    const auto sheets = std::make_unique<TImageForm>();
    ImageForm = sheets.get();
    for (uint8_t map = 1; map <= MapCount; ++map)
        for (const uint8_t style : {0, 1})
            for (const int scale : {1, 2}) {
                const QString name = QStringLiteral("map%1-style%2%3-x%4.png").arg(map).arg(style).arg(modes).arg(scale);
                if (!Shot(map, {style, kana, readings}, scale).save(folder.filePath(name))) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                    return 1;
                }
            }
    ImageForm = nullptr;
    return 0;
}
