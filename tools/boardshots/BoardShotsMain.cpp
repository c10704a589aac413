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
#include "ui/BoardImage.h"
#include "ui/SpriteUnit.h"

namespace {

// The same deal on every run, so that pictures can be compared.
class TFixedRandom final : public TRandomSource {
public:
    void Seed() override { Generator.seed(20240601); }
    uint32_t Below(uint32_t n) override { return std::uniform_int_distribution<uint32_t>(0, n - 1)(Generator); }

private:
    std::mt19937 Generator;
};

// Draws the game's board into a board image; the rest of the window plays no part here.
class TBoardShot final : public TGameEffects {
public:
    explicit TBoardShot(int scale) : Board(scale) {}

    void Attach(const TGame& game) { Game = &game; }
    const QImage& Image() const { return Board.Image(); }

    void DrawBackground() override { Board.DrawBackground(Game->BackgroundIndex); }
    void CopyFaceCell(uint8_t faceStyle, int32_t sourceLeft, int32_t sourceTop, int32_t left, int32_t top) override
    {
        Board.CopyFaceCell(faceStyle, sourceLeft, sourceTop, left, top);
    }
    void BoardChanged() override {}
    void ShowMessage(TMessageKind, const std::string&) override {}
    void StartClock() override {}
    void StopClock() override {}
    void SetCommandEnabled(TCommand, bool) override {}
    void SetStatusText(int, const std::string&) override {}
    bool PumpEvents() override { return true; }
    void ShowWin(const std::string&, int32_t, const std::string&) override {}

private:
    TBoardImage Board;
    const TGame* Game = nullptr;
};

QImage Shot(uint8_t map, uint8_t faceStyle, int scale)
{
    TBoardShot shot(scale);
    TFixedRandom random;
    TGame game(shot, random);
    shot.Attach(game);
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
    return shot.Image();
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
