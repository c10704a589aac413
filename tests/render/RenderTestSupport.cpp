#include "RenderTestSupport.h"

#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "model/TilePlacement.h"
#include "qt/common/SpriteUnit.h"
#include "tools/artgen/FaceTable.h"

namespace {

// The sheets as the program holds them, for every test of this suite.
class TSheetsEnvironment final : public testing::Environment {
public:
    void SetUp() override
    {
        Sheets = std::make_unique<TImageForm>();
        ImageForm = Sheets.get();
    }
    void TearDown() override
    {
        ImageForm = nullptr;
        Sheets.reset();
    }

private:
    std::unique_ptr<TImageForm> Sheets;
};

const testing::Environment* const SheetsEnvironment = testing::AddGlobalTestEnvironment(new TSheetsEnvironment);

// Where a tile's cell lies on the board, stated apart from the program's own placement: the
// board's margin, the cell's size, and a shift right and up for each layer.
constexpr int BoardMargin = 20;
constexpr int LayerShift = 5;

}  // namespace

uint32_t PastelPlate(int face)
{
    return artwork::FamilyColours[static_cast<size_t>(artwork::Faces.at(static_cast<size_t>(face)).Family)].Plate;
}

uint32_t BrightCharacter(int face)
{
    return artwork::FamilyColours[static_cast<size_t>(artwork::Faces.at(static_cast<size_t>(face)).Family)].Character;
}

const QImage& FaceSheet(int style, int scale)
{
    return (style == 0 ? ImageForm->FaceImage : ImageForm->FaceImage_2).Image(scale);
}

QRect CellPixels(int column, int row, const QRect& rect, int scale)
{
    return QRect((column * 40 + rect.x()) * scale, (row * 56 + rect.y()) * scale, rect.width() * scale,
                 rect.height() * scale);
}

std::string Mismatches(const QImage& image, const QRect& pixels, uint32_t expected)
{
    std::set<uint32_t> found;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (Rgb(image.pixel(x, y)) != expected)
                found.insert(Rgb(image.pixel(x, y)));
    std::string text;
    for (const uint32_t colour : found)
        text += QString::asprintf("#%06x ", colour).toStdString();
    return text;
}

std::vector<TTileClass> InDrawingOrder(std::vector<TTileClass> tiles)
{
    std::sort(tiles.begin(), tiles.end(), [](const TTileClass& a, const TTileClass& b) {
        return a.Layer != b.Layer ? a.Layer < b.Layer : a.Number > b.Number;
    });
    return tiles;
}

QImage ExpectedBoard(std::vector<TTileClass> tiles, int faceStyle, int texture, int scale)
{
    const int s = scale;
    const QImage& textures = ImageForm->BackgroundImage.Image(s);
    QImage expected(BoardWidth * s, BoardHeight * s, QImage::Format_RGB32);
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            expected.setPixel(x, y, textures.pixel(texture * 32 * s + x % (32 * s), y % (32 * s)));
    if (faceStyle < 0 || faceStyle > 1)
        return expected;
    const QImage& sheet = FaceSheet(faceStyle, s);
    for (const TTileClass& tile : InDrawingOrder(std::move(tiles))) {
        const int left = ((tile.X / 2) * TileWidth + tile.Layer * LayerShift + BoardMargin) * s;
        const int top = ((tile.Y / 2) * TileHeight - tile.Layer * LayerShift + BoardMargin) * s;
        // Rows 0 and 1 of the sheet hold the plain faces 0..23 and 24..47, rows 2 and 3 the lit ones.
        const int sourceLeft = (tile.Face % 24) * TileWidth * s;
        const int sourceTop = ((tile.Face / 24) * TileHeight + (tile.Selected || tile.Hinted ? 2 * TileHeight : 0)) * s;
        for (int y = 0; y < TileHeight * s; ++y)
            for (int x = 0; x < TileWidth * s; ++x)
                expected.setPixel(left + x, top + y, sheet.pixel(sourceLeft + x, sourceTop + y));
    }
    return expected;
}

int FirstDifference(const QImage& actual, const QImage& expected)
{
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (Rgb(actual.pixel(x, y)) != Rgb(expected.pixel(x, y)))
                return y * expected.width() + x;
    return -1;
}
