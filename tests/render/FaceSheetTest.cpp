#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "RenderTestSupport.h"
#include "qt/common/SpriteUnit.h"
#include "tools/artgen/FaceTable.h"

namespace {

// The artwork's own colours, under the names they have on the cell.
constexpr uint32_t Black = artwork::Black, White = artwork::White, Lilac = artwork::Shade, Olive = artwork::Band,
                   DarkOlive = artwork::Outline;
constexpr uint32_t Violet = artwork::Highlight0, Maroon = artwork::Plate1, MidGrey = artwork::Highlight1;
constexpr int Columns = 24, Faces = 48;
// Blocks of four rows from the top: hiragana with reading, katakana with reading, hiragana alone,
// katakana alone, reading alone.
constexpr int Blocks = 5, KanaAndReadingBlocks = 2, ReadingBlock = 4;
// Areas of a cell in logical pixels.
const QRect InnerPlate(6, 3, 31, 47);
const QRect CharacterBox(6, 5, 31, 30);
const QRect ReadingBox(6, 36, 31, 13);

class FaceSheetTest : public ::testing::TestWithParam<std::tuple<int, int>> {
protected:
    int Style() const { return std::get<0>(GetParam()); }
    int Scale() const { return std::get<1>(GetParam()); }
    const QImage& Sheet() const { return FaceSheet(Style(), Scale()); }

    uint32_t PlainPlate(int face) const { return Style() == 0 ? PastelPlate(face) : Maroon; }
    uint32_t HighlightPlate() const { return Style() == 0 ? Violet : MidGrey; }

    // Checks a logical rectangle of the cell of face in a block, in its plain (row 0-1) or
    // highlighted (row 2-3) look.
    void ExpectArea(int block, int face, bool highlighted, const QRect& area, uint32_t colour, const char* what) const
    {
        const int row = block * 4 + face / Columns + (highlighted ? 2 : 0);
        EXPECT_EQ("", Mismatches(Sheet(), CellPixels(face % Columns, row, area, Scale()), colour))
            << what << " of face " << face << " in block " << block << (highlighted ? " highlighted" : " plain");
    }

    // Pixels of a logical box of a plain cell that stand out from the plate: the ink.
    std::vector<bool> InkMask(int face, const QRect& box, int block = 0) const
    {
        const QRect pixels = CellPixels(face % Columns, block * 4 + face / Columns, box, Scale());
        const uint32_t plate = PlainPlate(face);
        std::vector<bool> mask;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const QRgb p = Sheet().pixel(x, y);
                const int distance = std::abs(qRed(p) - int(plate >> 16)) + std::abs(qGreen(p) - int((plate >> 8) & 0xff)) +
                                     std::abs(qBlue(p) - int(plate & 0xff));
                mask.push_back(distance > 60);
            }
        return mask;
    }

    // Pixels of a logical box of a plain cell within tolerance (per channel) of a colour.
    int CountColour(int face, const QRect& box, uint32_t colour, int tolerance = 0) const
    {
        const QRect pixels = CellPixels(face % Columns, face / Columns, box, Scale());
        int count = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x) {
                const QRgb p = Sheet().pixel(x, y);
                count += std::abs(qRed(p) - int(colour >> 16)) <= tolerance &&
                         std::abs(qGreen(p) - int((colour >> 8) & 0xff)) <= tolerance &&
                         std::abs(qBlue(p) - int(colour & 0xff)) <= tolerance;
            }
        return count;
    }
};

TEST_P(FaceSheetTest, IsAnOpaqueSheetOfTheScaledSize)
{
    EXPECT_EQ(Sheet().size(), QSize(960, 224 * Blocks) * Scale());
    EXPECT_EQ(Sheet().format(), QImage::Format_RGB32);
    EXPECT_EQ(Sheet().devicePixelRatio(), Scale());
}

// What the options previews take: a cell's own pixels at the scale, shown at its logical size,
// whether the sheet was decoded for the copy alone or is held already.
TEST_P(FaceSheetTest, ACopiedCellIsThatCellAtTheScale)
{
    const TSpriteSheet sheet(Style() == 0 ? QStringLiteral("FaceImage") : QStringLiteral("FaceImage_2"));
    const QRect cell(5 * 40, 3 * 56, 40, 56);
    const QImage expected = Sheet().copy(CellPixels(5, 3, QRect(0, 0, 40, 56), Scale()));
    for (const char* held : {"not held", "held"}) {
        const QImage copy = sheet.Copy(cell, Scale());
        EXPECT_EQ(copy, expected) << held;
        EXPECT_EQ(copy.deviceIndependentSize(), QSizeF(40, 56)) << held;
        sheet.Image(Scale());
    }
}

// The board asks for rows as its tiles need them, in any order; however asked, the sheet ends as
// the toolkit's own decoding of the picture.
TEST_P(FaceSheetTest, DecodedInStepsIsThePictureItself)
{
    const QString name = Style() == 0 ? QStringLiteral("FaceImage") : QStringLiteral("FaceImage_2");
    const TSpriteSheet sheet(name);
    for (const int bottom : {112, 56, 168, 1, 224, 700, 1120})
        EXPECT_EQ(sheet.Rows(Scale(), bottom).size(), QSize(960, 224 * Blocks) * Scale());
    const QString path = Scale() == 1 ? QStringLiteral(":/%1.png").arg(name) : QStringLiteral(":/%1@2x.png").arg(name);
    EXPECT_EQ(sheet.Image(Scale()), QImage(path).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(sheet.Image(Scale()).devicePixelRatio(), Scale());
}

TEST_P(FaceSheetTest, EveryCellHasTheSlabFrame)
{
    for (int block = 0; block < Blocks; ++block)
        for (int face = 0; face < Faces; ++face)
            for (const bool highlighted : {false, true}) {
                // Black corners outside the slanted outline, at the top left and the bottom right.
                for (const QPoint corner : {QPoint(0, 0), QPoint(1, 0), QPoint(2, 0), QPoint(0, 1), QPoint(1, 1), QPoint(0, 2)}) {
                    ExpectArea(block, face, highlighted, QRect(corner, QSize(1, 1)), Black, "top-left corner");
                    ExpectArea(block, face, highlighted, QRect(QPoint(39, 55) - corner, QSize(1, 1)), Black, "bottom-right corner");
                }
                ExpectArea(block, face, highlighted, QRect(5, 0, 34, 1), DarkOlive, "top outline");
                ExpectArea(block, face, highlighted, QRect(39, 1, 1, 50), DarkOlive, "right outline");
                ExpectArea(block, face, highlighted, QRect(1, 55, 34, 1), DarkOlive, "bottom outline");
                ExpectArea(block, face, highlighted, QRect(0, 5, 1, 50), DarkOlive, "left outline");
                ExpectArea(block, face, highlighted, QRect(6, 1, 30, 2), White, "top bevel");
                ExpectArea(block, face, highlighted, QRect(4, 3, 2, 46), White, "left bevel");
                ExpectArea(block, face, highlighted, QRect(37, 4, 2, 46), Lilac, "right shade");
                ExpectArea(block, face, highlighted, QRect(7, 50, 30, 2), Lilac, "bottom shade");
                ExpectArea(block, face, highlighted, QRect(1, 6, 3, 46), Olive, "left band");
                ExpectArea(block, face, highlighted, QRect(5, 52, 29, 3), Olive, "bottom band");
            }
}

// The corners cut off outside the slanted outline are triangles of ten pixels at the base size
// (x + y <= 3 from the corner, the outline on x + y = 4); at double size the same area in
// steps of half a pixel.
TEST_P(FaceSheetTest, CornersAreSmallBlackTriangles)
{
    const int s = Scale();
    for (int face = 0; face < Faces; ++face) {
        const QRect cell = CellPixels(face % Columns, face / Columns, QRect(0, 0, 40, 56), s);
        for (const bool topLeft : {true, false}) {
            int black = 0;
            for (int dy = 0; dy < 6 * s; ++dy)
                for (int dx = 0; dx < 6 * s; ++dx) {
                    const int x = topLeft ? cell.left() + dx : cell.right() - dx;
                    const int y = topLeft ? cell.top() + dy : cell.bottom() - dy;
                    const uint32_t colour = Rgb(Sheet().pixel(x, y));
                    black += colour == Black;
                    // Black only outside the diagonal, and every corner pixel is black or outline.
                    if (dx + dy < 3 * s)
                        ASSERT_EQ(colour, Black) << "face " << face << " at " << dx << "," << dy;
                    else if (dx + dy < 4 * s)
                        ASSERT_TRUE(colour == Black || colour == DarkOlive) << "face " << face;
                    else
                        ASSERT_NE(colour, Black) << "face " << face << " at " << dx << "," << dy;
                }
            if (s == 1)
                EXPECT_EQ(black, 10) << "face " << face;
            else
                EXPECT_NEAR(black, 40, 4) << "face " << face;
        }
    }
}

// Rows 3-4, 35 and 49 of the inner plate carry neither character nor reading; a picture standing
// alone keeps off the plate's top and bottom rows, so that nothing of it is cut off.
TEST_P(FaceSheetTest, PlatesHaveTheirFamilyColourPlainAndTheHighlightColour)
{
    const std::vector<QRect> withReading{QRect(6, 3, 31, 2), QRect(6, 35, 31, 1), QRect(6, 49, 31, 1)};
    const std::vector<QRect> alone{QRect(6, 3, 31, 1), QRect(6, 49, 31, 1)};
    for (int block = 0; block < Blocks; ++block)
        for (int face = 0; face < Faces; ++face)
            for (const QRect& band : block < KanaAndReadingBlocks ? withReading : alone) {
                ExpectArea(block, face, false, band, PlainPlate(face), "plate");
                ExpectArea(block, face, true, band, HighlightPlate(), "highlighted plate");
            }
}

// The highlighted cell is the plain cell with the plate colour exchanged. Outside the inner
// plate every pixel is the same. Inside it every pixel is ink laid over the plate with some
// coverage c (0 = bare plate, 1 = ink only): plain = ink + (1 - c) * plate and
// highlighted = ink + (1 - c) * highlight, so plain - highlighted = (1 - c) * (plate - highlight)
// with one c for all three channels; pixels of pure ink (c = 1) are equal.
TEST_P(FaceSheetTest, HighlightedRowsDifferOnlyOnPlatePixels)
{
    const int s = Scale();
    const QRect inner(InnerPlate.topLeft() * s, InnerPlate.size() * s);
    for (int cell = 0; cell < Blocks * Faces; ++cell) {
        const int block = cell / Faces, face = cell % Faces;
        const QRect plain = CellPixels(face % Columns, block * 4 + face / Columns, QRect(0, 0, 40, 56), s);
        const uint32_t a = PlainPlate(face), b = HighlightPlate();
        const int plateDiff[3] = {int(a >> 16) - int(b >> 16), int((a >> 8) & 0xff) - int((b >> 8) & 0xff),
                                  int(a & 0xff) - int(b & 0xff)};
        int differing = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const QRgb p = Sheet().pixel(plain.left() + x, plain.top() + y);
                const QRgb h = Sheet().pixel(plain.left() + x, plain.top() + y + 112 * s);
                if (!inner.contains(x, y)) {
                    ASSERT_EQ(Rgb(p), Rgb(h)) << "face " << face << " block " << block << " at " << x << "," << y;
                    continue;
                }
                const int diff[3] = {qRed(p) - qRed(h), qGreen(p) - qGreen(h), qBlue(p) - qBlue(h)};
                double weight = 0, sum = 0;
                for (int c = 0; c < 3; ++c)
                    if (std::abs(plateDiff[c]) >= 40) {
                        sum += double(diff[c]) * plateDiff[c];
                        weight += double(plateDiff[c]) * plateDiff[c];
                    }
                const double bare = sum / weight;
                ASSERT_GE(bare, -0.05) << "face " << face << " at " << x << "," << y;
                ASSERT_LE(bare, 1.05) << "face " << face << " at " << x << "," << y;
                for (int c = 0; c < 3; ++c)
                    ASSERT_NEAR(diff[c], bare * plateDiff[c], 4.0)
                        << "face " << face << " channel " << c << " at " << x << "," << y;
                differing += p != h;
            }
        EXPECT_GT(differing, 31 * 20 * s * s) << "face " << face << " in block " << block;
    }
}

TEST_P(FaceSheetTest, EveryFaceShowsItsOwnCharacterAndAReading)
{
    const int s2 = Scale() * Scale();
    std::vector<std::vector<bool>> characters;
    for (int face = 0; face < Faces; ++face) {
        characters.push_back(InkMask(face, CharacterBox));
        const auto& ink = characters.back();
        EXPECT_GE(std::count(ink.begin(), ink.end(), true), 60 * s2) << "character of face " << face;
        const std::vector<bool> reading = InkMask(face, ReadingBox);
        EXPECT_GE(std::count(reading.begin(), reading.end(), true), 5 * s2) << "reading of face " << face;
    }
    for (int i = 0; i < Faces; ++i)
        for (int j = i + 1; j < Faces; ++j) {
            int differing = 0;
            for (size_t k = 0; k < characters[size_t(i)].size(); ++k)
                differing += characters[size_t(i)][k] != characters[size_t(j)][k];
            EXPECT_GE(differing, 20 * s2) << "faces " << i << " and " << j << " look alike";
        }
}

// Within each further block every face has its own picture with ink enough to be seen (a reading
// of one letter has less, and some kana and readings differ in a few strokes only: シ ツ, e o);
// the kana alone is no smaller than with its reading, and a reading alone is larger than below a kana.
TEST_P(FaceSheetTest, EveryFurtherBlockShowsEachFaceItsOwnWay)
{
    const int s2 = Scale() * Scale();
    const auto inkCount = [](const std::vector<bool>& ink) { return std::count(ink.begin(), ink.end(), true); };
    for (int block = 1; block < Blocks; ++block) {
        const int least = block == ReadingBlock ? 30 : 60, apart = block == ReadingBlock ? 4 : 10;
        std::vector<std::vector<bool>> pictures;
        for (int face = 0; face < Faces; ++face) {
            pictures.push_back(InkMask(face, InnerPlate, block));
            EXPECT_GE(inkCount(pictures.back()), least * s2) << "face " << face << " in block " << block;
        }
        for (int i = 0; i < Faces; ++i)
            for (int j = i + 1; j < Faces; ++j) {
                int differing = 0;
                for (size_t k = 0; k < pictures[size_t(i)].size(); ++k)
                    differing += pictures[size_t(i)][k] != pictures[size_t(j)][k];
                EXPECT_GE(differing, apart * s2) << "faces " << i << " and " << j << " look alike in block " << block;
            }
    }
    for (int face = 0; face < Faces; ++face) {
        EXPECT_GE(inkCount(InkMask(face, InnerPlate, 2)), inkCount(InkMask(face, CharacterBox, 0))) << "face " << face;
        EXPECT_GT(inkCount(InkMask(face, InnerPlate, ReadingBlock)), inkCount(InkMask(face, ReadingBox, 0)))
            << "face " << face;
    }
}

// A reading that touched the plate's left or right edge would be clipped.
TEST_P(FaceSheetTest, ReadingsStayClearOfThePlateEdges)
{
    const int width = ReadingBox.width() * Scale();
    for (int face = 0; face < Faces; ++face) {
        const std::vector<bool> reading = InkMask(face, ReadingBox);
        for (size_t k = 0; k < reading.size(); ++k)
            if (reading[k]) {
                const int x = int(k) % width;
                ASSERT_GE(x, Scale()) << "face " << face;
                ASSERT_LT(x, width - Scale()) << "face " << face;
            }
    }
}

// Strokes two or three pixels wide are (nearly) solid in their middle at the base size.
TEST_P(FaceSheetTest, CharactersAndReadingsHaveTheirArtworksColours)
{
    const int s2 = Scale() * Scale();
    for (int face = 0; face < Faces; ++face) {
        if (Style() == 0) {
            EXPECT_GE(CountColour(face, CharacterBox, artwork::Ink0, 0x10), 15 * s2) << "dark blue character, face " << face;
            EXPECT_GE(CountColour(face, ReadingBox, Black, 0x20), 2 * s2) << "black reading, face " << face;
        } else {
            EXPECT_GE(CountColour(face, CharacterBox, BrightCharacter(face), 0x10), 15 * s2)
                << "bright character, face " << face;
            EXPECT_GE(CountColour(face, CharacterBox, White, 0x20), 5 * s2) << "white edge, face " << face;
            EXPECT_GE(CountColour(face, CharacterBox, artwork::Shadow1, 0x10), 3 * s2) << "grey shadow, face " << face;
            EXPECT_GE(CountColour(face, ReadingBox, White, 0x20), 2 * s2) << "white reading, face " << face;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothArtworksBothSizes, FaceSheetTest,
                         ::testing::Combine(::testing::Values(0, 1), ::testing::Values(1, 2)),
                         [](const auto& info) {
                             return "Style" + std::to_string(std::get<0>(info.param)) + "Scale" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace
