#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "RenderTestSupport.h"
#include "qt/common/SpriteUnit.h"

namespace {


class BackgroundSheetTest : public ::testing::TestWithParam<int> {
protected:
    int Scale() const { return GetParam(); }
    int Side() const { return 32 * Scale(); }
    const QImage& Sheet() const { return ImageForm->BackgroundImage.Image(Scale()); }
    QRgb At(int texture, int x, int y) const { return Sheet().pixel(texture * Side() + x, y); }

    static int Distance(QRgb a, QRgb b)
    {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }

    // Mean step between horizontally (or vertically) adjacent pixels, from column (row) from
    // to the next one, the last wrapping round to the first.
    double MeanStep(int texture, int from, bool across) const
    {
        const int to = (from + 1) % Side();
        double sum = 0;
        for (int k = 0; k < Side(); ++k)
            sum += across ? Distance(At(texture, from, k), At(texture, to, k)) : Distance(At(texture, k, from), At(texture, k, to));
        return sum / Side();
    }
};

TEST_P(BackgroundSheetTest, HoldsSixTexturesOfTheScaledSize)
{
    EXPECT_EQ(Sheet().size(), QSize(192, 32) * Scale());
    EXPECT_EQ(Sheet().format(), QImage::Format_RGB32);
}

TEST_P(BackgroundSheetTest, TexturesHaveTheirMeanColours)
{
    for (int texture = 0; texture < 6; ++texture) {
        double r = 0, g = 0, b = 0;
        for (int y = 0; y < Side(); ++y)
            for (int x = 0; x < Side(); ++x) {
                const QRgb p = At(texture, x, y);
                r += qRed(p), g += qGreen(p), b += qBlue(p);
            }
        const double n = Side() * Side();
        constexpr uint32_t Means[] = {0x0b6455, 0x713d28, 0x758ec0, 0xfbb64f, 0xbda582, 0x4d4d4d};
        const uint32_t want = Means[texture];
        EXPECT_NEAR(r / n, double(want >> 16), 8) << "texture " << texture;
        EXPECT_NEAR(g / n, double((want >> 8) & 0xff), 8) << "texture " << texture;
        EXPECT_NEAR(b / n, double(want & 0xff), 8) << "texture " << texture;
    }
}

// Repeated side by side, a texture shows no seam: the step from its last column to its first
// is like the steps just before and after it, and the same for rows.
TEST_P(BackgroundSheetTest, TexturesTileWithoutSeams)
{
    const int last = Side() - 1;
    for (int texture = 0; texture < 6; ++texture)
        for (const bool across : {true, false}) {
            const double around = std::max(MeanStep(texture, last - 1, across), MeanStep(texture, 0, across));
            EXPECT_LE(MeanStep(texture, last, across), 1.5 * around + 4)
                << "texture " << texture << (across ? " left-right" : " top-bottom");
        }
}

TEST_P(BackgroundSheetTest, TexturesAreNotPlain)
{
    for (int texture = 0; texture < 6; ++texture)
        EXPECT_GT(MeanStep(texture, Side() / 2, true) + MeanStep(texture, Side() / 2, false), 2.0) << "texture " << texture;
}

INSTANTIATE_TEST_SUITE_P(BothSizes, BackgroundSheetTest, ::testing::Values(1, 2));

}  // namespace
