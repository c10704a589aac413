// A full repaint of the board image (background, then 192 tiles) against the floor: a plain
// row-by-row memcpy of the same rectangles between the same images. Then the same for a board
// maximised on a 1920 x 1080 screen, as the window shows it, and a resize that makes its picture anew.
#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "model/MapUnit.h"
#include "model/TilePlacement.h"
#include "model/TileUnit.h"
#include "qt/window/BoardImage.h"
#include "qt/window/BoardPicture.h"
#include "qt/common/SpriteUnit.h"

namespace {

constexpr int Texture = 3;
constexpr int TextureSide = 32;

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

void Repaint(TBoardImage& board, const std::vector<TTileClass>& tiles)
{
    board.DrawBackground(Texture);
    for (const TTileClass& tile : tiles) {
        const TTileOrigin at = TileOrigin(tile);
        tile.Draw({.FaceStyle = 1}, at.Left, at.Top, board);
    }
}

// The same rectangles as Repaint, each copied row by row with memcpy and cut at the edges.
class TFloorCopy {
public:
    explicit TFloorCopy(QImage& target)
        : Pixels(target.bits()), Stride(size_t(target.bytesPerLine())), Width(target.width()), Height(target.height())
    {
    }

    void Rect(const QImage& source, int sx, int sy, int w, int h, int dx, int dy)
    {
        w = std::min(w, Width - dx);
        h = std::min(h, Height - dy);
        const uchar* from = source.constBits() + size_t(sy) * size_t(source.bytesPerLine()) + size_t(sx) * 4;
        uchar* to = Pixels + size_t(dy) * Stride + size_t(dx) * 4;
        for (int row = 0; row < h; ++row)
            std::memcpy(to + size_t(row) * Stride, from + size_t(row) * size_t(source.bytesPerLine()), size_t(w) * 4);
    }

private:
    uchar* Pixels;
    size_t Stride;
    int Width, Height;
};

void FloorRepaint(QImage& target, int s, const std::vector<TTileClass>& tiles)
{
    TFloorCopy copy(target);
    const QImage& textures = ImageForm->BackgroundImage.Image(s);
    const int columns = BoardWidth / TextureSide + 1, rows = BoardHeight / TextureSide + 1;
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            copy.Rect(textures, Texture * TextureSide * s, 0, TextureSide * s, TextureSide * s, c * TextureSide * s,
                      r * TextureSide * s);
    const QImage& faces = ImageForm->FaceImage_2.Image(s);
    for (const TTileClass& tile : tiles) {
        const TTileOrigin at = TileOrigin(tile);
        const int row = (tile.Face / 24) + (tile.Selected ? 2 : 0), column = tile.Face % 24;
        copy.Rect(faces, column * TileWidth * s, row * TileHeight * s, TileWidth * s, TileHeight * s, at.Left * s,
                  at.Top * s);
    }
}

// Bytes written by one repaint: the texture grid cut at the edges, and 192 whole cells.
double BytesPerRepaint(int s)
{
    return (double(BoardWidth) * BoardHeight + double(TileCount) * TileWidth * TileHeight) * 4 * s * s;
}

void BM_BoardRepaint(benchmark::State& state)
{
    const int s = int(state.range(0));
    TBoardImage board(s);
    const std::vector<TTileClass> tiles = BoardTiles();
    for (auto _ : state) {
        Repaint(board, tiles);
        benchmark::DoNotOptimize(board.Image().constBits());
    }
    state.SetBytesProcessed(int64_t(state.iterations() * BytesPerRepaint(s)));
}

void BM_MemcpyFloor(benchmark::State& state)
{
    const int s = int(state.range(0));
    QImage target(BoardWidth * s, BoardHeight * s, QImage::Format_RGB32);
    const std::vector<TTileClass> tiles = BoardTiles();
    for (auto _ : state) {
        FloorRepaint(target, s, tiles);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetBytesProcessed(int64_t(state.iterations() * BytesPerRepaint(s)));
}

// The board area of a window maximised on a 1920 x 1080 screen at ratio 1: the screen less the
// title bar, the menu bar, the cool bar and the status bar.
constexpr TDeviceSize Maximised{1920, 980};
constexpr TDeviceSize Restored{1600, 820};

// What the window does: the game's repaint into the picture, the picture made ready at the area's
// device pixels, and its copy to the screen's backing store.
void ShowRepaint(TBoardPicture& picture, QImage& screen, const std::vector<TTileClass>& tiles)
{
    TBoardRaster& raster = picture.Raster();
    raster.DrawBackground(Texture);
    for (const TTileClass& tile : tiles) {
        const TTileOrigin at = TileOrigin(tile);
        tile.Draw({.FaceStyle = 1}, at.Left, at.Top, raster);
    }
    QPainter painter(&screen);
    painter.drawImage(QPoint(0, 0), picture.Image());
}

void BM_MaximisedRepaint(benchmark::State& state)
{
    TBoardPicture picture{TBoardGeometry(Maximised)};
    QImage screen(Maximised.Width, Maximised.Height, QImage::Format_RGB32);
    const std::vector<TTileClass> tiles = BoardTiles();
    for (auto _ : state) {
        ShowRepaint(picture, screen, tiles);
        benchmark::DoNotOptimize(screen.constBits());
    }
}

// Its floor: the cells copied at the nearer sheet size, and the whole area copied once to the screen.
void BM_MaximisedFloor(benchmark::State& state)
{
    QImage board(BoardWidth * 2, BoardHeight * 2, QImage::Format_RGB32);
    QImage area(Maximised.Width, Maximised.Height, QImage::Format_RGB32), screen(area.size(), area.format());
    area.fill(Qt::black);
    const std::vector<TTileClass> tiles = BoardTiles();
    for (auto _ : state) {
        FloorRepaint(board, 2, tiles);
        std::memcpy(screen.bits(), area.constBits(), size_t(area.sizeInBytes()));
        benchmark::DoNotOptimize(screen.constBits());
    }
}

// A resize: each pass the area changes size, and the picture is made for it, drawn and shown.
void BM_ResizeRemake(benchmark::State& state)
{
    QImage screen(Maximised.Width, Maximised.Height, QImage::Format_RGB32);
    const std::vector<TTileClass> tiles = BoardTiles();
    bool large = false;
    for (auto _ : state) {
        large = !large;
        TBoardPicture picture{TBoardGeometry(large ? Maximised : Restored)};
        ShowRepaint(picture, screen, tiles);
        benchmark::DoNotOptimize(screen.constBits());
    }
}

BENCHMARK(BM_BoardRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyFloor)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MaximisedRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MaximisedFloor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeRemake)->Unit(benchmark::kMillisecond);

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
