// A full repaint of the board picture (background, then 192 tiles) against the floor: a plain
// row-by-row memcpy of the same rectangles from the same faces into a picture of the same size;
// a full repaint of a board fitted to a 1920 x 1080 screen; and the faces made anew for a new size.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <memory>

#include "model/MapUnit.h"
#include "model/TilePlacement.h"
#include "model/TileUnit.h"
#include "qt/common/SpriteUnit.h"
#include "qt/window/BoardImage.h"

namespace {

constexpr int Texture = 3;
constexpr int TextureSide = 32;
// The board fitted to the height of a 1920 x 1080 screen, and a neighbouring size to alternate with.
constexpr double FullHdScale = 1080.0 / BoardHeight;
constexpr double OtherScale = 2.0;

// Tiles 1..192 on map 1 in drawing order (layer by layer, highest number first), every eighth
// one highlighted.
std::vector<TTileClass> BoardTiles()
{
    std::vector<TTileClass> tiles;
    for (int layer = 0; layer <= 6; ++layer)
        for (int n = TileCount; n >= 1; --n) {
            const TBoardPosition at = MapPositions(1, n);
            if (at.Layer != layer)
                continue;
            TTileClass tile{uint8_t(n)};
            tile.X = at.X;
            tile.Y = at.Y;
            tile.Layer = at.Layer;
            tile.Selected = n % 8 == 0;
            tiles.push_back(tile);
        }
    return tiles;
}

// As the game draws a whole board: its faces asked for at once, then the tiles.
void Repaint(TBoardPicture& board, const std::vector<TTileClass>& tiles)
{
    board.DrawBackground(Texture);
    std::vector<TFacePicture> faces;
    for (const TTileClass& tile : tiles)
        faces.push_back(tile.Picture({.FaceStyle = 1}, tile.Face));
    board.PrepareFaces(faces);
    for (size_t n = 0; n < tiles.size(); ++n) {
        const TTileOrigin at = TileOrigin(tiles[n]);
        board.DrawFace(faces[n], at.Left, at.Top);
    }
}

// The same rectangles as Repaint, each copied row by row with memcpy and cut at the edges.
void CopyRect(TPixelImage& target, const TPixelImage& source, int sx, int sy, int w, int h, int dx, int dy)
{
    w = std::min(w, target.Width - dx);
    h = std::min(h, target.Height - dy);
    for (int row = 0; row < h; ++row)
        std::memcpy(target.Row(dy + row) + dx, source.Row(sy + row) + sx, size_t(w) * 4);
}

void FloorRepaint(TPixelImage& target, TBoardPicture& faces, const TPixelImage& textures, int s,
                  const std::vector<TTileClass>& tiles)
{
    const int side = TextureSide * s;
    for (int y = 0; y < target.Height; y += side)
        for (int x = 0; x < target.Width; x += side)
            CopyRect(target, textures, Texture * side, 0, side, side, x, y);
    for (const TTileClass& tile : tiles) {
        const TTileOrigin at = TileOrigin(tile);
        const TPixelImage& face = faces.FaceStore().Face(
            {tile.Face, TScript::Hiragana, TFaceShows::KanaWithReading, 1, tile.Selected});
        CopyRect(target, face, 0, 0, face.Width, face.Height, at.Left * s, at.Top * s);
    }
}

// Bytes written by one repaint: the texture grid cut at the edges, and 192 whole cells.
double BytesPerRepaint(double s)
{
    return (double(BoardWidth) * BoardHeight + double(TileCount) * TileWidth * TileHeight) * 4 * s * s;
}

// The game's repaint and the floor's, alternated so that both see the same machine; the times
// are each one's mean, and their ratio the figure to hold against 1.0.
void BM_RepaintAgainstFloor(benchmark::State& state)
{
    using TClock = std::chrono::steady_clock;
    const int s = int(state.range(0));
    TBoardImage board(s);
    const std::vector<TTileClass> tiles = BoardTiles();
    Repaint(board, tiles);
    const TPixelImage textures = ImageForm->BackgroundImage.Pixels(s);
    TPixelImage target(BoardWidth * s, BoardHeight * s);
    TClock::duration game{}, floor{};
    for (auto _ : state) {
        const auto start = TClock::now();
        Repaint(board, tiles);
        benchmark::DoNotOptimize(board.Pixels().Pixels.data());
        const auto between = TClock::now();
        FloorRepaint(target, board, textures, s, tiles);
        benchmark::DoNotOptimize(target.Pixels.data());
        game += between - start;
        floor += TClock::now() - between;
    }
    const auto micro = [&](TClock::duration total) {
        return std::chrono::duration<double, std::micro>(total).count() / double(state.iterations());
    };
    state.counters["game_us"] = micro(game);
    state.counters["floor_us"] = micro(floor);
    state.counters["ratio"] = micro(game) / micro(floor);
}

// The board maximised on a 1920 x 1080 screen, its faces made already.
void BM_FullHdRepaint(benchmark::State& state)
{
    TBoardImage board(FullHdScale);
    const std::vector<TTileClass> tiles = BoardTiles();
    Repaint(board, tiles);
    for (auto _ : state) {
        Repaint(board, tiles);
        benchmark::DoNotOptimize(board.Pixels().Pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations() * BytesPerRepaint(FullHdScale)));
}

// A resize: the picture remade at a new size and repainted, every face made anew for it.
void BM_ResizeRemakingFaces(benchmark::State& state)
{
    TBoardImage board(OtherScale);
    const std::vector<TTileClass> tiles = BoardTiles();
    bool large = false;
    for (auto _ : state) {
        large = !large;
        const double scale = large ? FullHdScale : OtherScale;
        board.Resize(int(std::lround(BoardWidth * scale)), int(std::lround(BoardHeight * scale)), scale);
        Repaint(board, tiles);
        benchmark::DoNotOptimize(board.Pixels().Pixels.data());
    }
    state.counters["faces"] = double(board.FaceStore().Count());
}

// The first board of a run: the picture made, its textures taken, every face made for it.
void BM_FirstBoard(benchmark::State& state)
{
    const std::vector<TTileClass> tiles = BoardTiles();
    for (auto _ : state) {
        TBoardImage board(1);
        Repaint(board, tiles);
        benchmark::DoNotOptimize(board.Pixels().Pixels.data());
    }
}

BENCHMARK(BM_RepaintAgainstFloor)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullHdRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeRemakingFaces)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstBoard)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const auto sheets = std::make_unique<TImageForm>();
    ImageForm = sheets.get();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ImageForm = nullptr;
    return 0;
}
