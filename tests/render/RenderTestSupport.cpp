#include "RenderTestSupport.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>

#include "qt/common/SpriteUnit.h"
#include "tests/support/ExpectedBoard.h"
#include "faces/FaceCache.h"

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

QImage ExpectedBoard(std::vector<TTileClass> tiles, const TTileLook& look, int texture, double scale)
{
    const QImage& textures = ImageForm->BackgroundImage.Image(scale);
    TFaceCache faces(scale);
    const TRgbPicture pixels = ExpectedBoardPixels(
        std::move(tiles), look, texture, scale, [&](int x, int y) { return Rgb(textures.pixel(x, y)); },
        [&](const TFacePicture& face, int x, int y) { return faces.Face(face).At(x, y) & 0xffffffu; });
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
