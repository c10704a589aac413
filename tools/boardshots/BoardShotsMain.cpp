// Pictures of every map fully dealt, in both artworks and at both pixel ratios, for looking at
// the tiles in place: tesuli_boardshots <folder>.
#include <QApplication>
#include <QDir>
#include <QImage>

#include <cstdio>
#include <memory>
#include <random>

#include "model/Game.h"
#include "model/MapUnit.h"
#include "qt/window/BoardImage.h"
#include "qt/common/SpriteUnit.h"
#include "tests/support/BoardImageEffects.h"
#include "tests/support/SeededRandom.h"

namespace {

QImage Shot(uint8_t map, uint8_t faceStyle, int scale)
{
    TBoardImageEffects shot(scale);
    // The same deal on every run, so that pictures can be compared.
    TSeededRandom random(20240601);
    TGame game(shot, random);
    game.MapNumber = map;
    game.FaceStyle = faceStyle;
    game.BackgroundIndex = uint8_t((map - 1) % 6);
    game.CreateTiles();
    game.DealTiles();
    // One free pair in the highlighted look, as a hint shows it.
    uint8_t first = 0, second = 0;
    if (game.FindFreePair(first, second))
        game.Tiles[first].Hinted = game.Tiles[second].Hinted = true;
    game.DrawBoard();
    return shot.Board.Image();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
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
                const QString name = QStringLiteral("map%1-style%2-x%3.png").arg(map).arg(style).arg(scale);
                if (!Shot(map, style, scale).save(folder.filePath(name))) {
                    std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
                    return 1;
                }
            }
    ImageForm = nullptr;
    return 0;
}
