#include "RenderTestSupport.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "qt/common/SpriteUnit.h"
#include "tests/support/ExpectedBoard.h"
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

QImage ExpectedBoard(std::vector<TTileClass> tiles, const TTileLook& look, int texture, int scale)
{
    const QImage& textures = ImageForm->BackgroundImage.Image(scale);
    const QImage& faces = FaceSheet(look.FaceStyle == 1 ? 1 : 0, scale);
    const TRgbPicture pixels = ExpectedBoardPixels(
        std::move(tiles), look, texture, scale, [&](int x, int y) { return Rgb(textures.pixel(x, y)); },
        [&](int x, int y) { return Rgb(faces.pixel(x, y)); });
    QImage expected(pixels.Width, pixels.Height, QImage::Format_RGB32);
    for (int y = 0; y < pixels.Height; ++y)
        for (int x = 0; x < pixels.Width; ++x)
            expected.setPixel(x, y, pixels.At(x, y));
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
