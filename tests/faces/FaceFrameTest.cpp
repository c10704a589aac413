#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "faces/FaceMaker.h"

namespace {

// The designed frame, row by row, as the committed artwork drew it: K black corner, O outline,
// B band, W bevel, S shade, P plate (of あ in the pastel artwork).
char Part(uint32_t pixel)
{
    static const std::map<uint32_t, char> parts{{0xff000000, 'K'}, {0xff666633, 'O'}, {0xff999966, 'B'},
                                                {0xffffffff, 'W'}, {0xffcc99cc, 'S'}, {0xfff5f988, 'P'}};
    const auto found = parts.find(pixel);
    return found == parts.end() ? '?' : found->second;
}

std::string Row(const TPixelImage& cell, int y)
{
    std::string parts;
    for (int x = 0; x < cell.Width; ++x)
        parts += Part(cell.At(x, y));
    return parts;
}

struct TFrameRow {
    int Scale;
    int Y;
    const char* Parts;
};

const TFrameRow FrameRows[] = {
    {1, 0, "KKKKOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO"},
    {1, 1, "KKKOWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWSO"},
    {1, 2, "KKOBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWSSO"},
    {1, 3, "KOBBWWPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPSSO"},
    {1, 4, "OBBBWWPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPSSO"},
    {1, 49, "OBBBWWPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPSSO"},
    {1, 50, "OBBBWSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSO"},
    {1, 51, "OBBBSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSO"},
    {1, 52, "OBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBOK"},
    {1, 54, "OBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBOKKK"},
    {1, 55, "OOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOKKKK"},
    {2, 0, "KKKKKKKKOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO"},
    {2, 1, "KKKKKKKOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO"},
    {2, 3, "KKKKKOOBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWSSOO"},
    {2, 5, "KKKOOBBBWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWSSSSOO"},
    {2, 7, "KOOBBBBBWWWWPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPSSSSOO"},
    {2, 8, "OOBBBBBBWWWWPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPPSSSSOO"},
    {2, 101, "OOBBBBBBWWSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSOO"},
    {2, 103, "OOBBBBBBSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSSOO"},
    {2, 105, "OOBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBOOKK"},
    {2, 109, "OOBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBOOKKKKKK"},
    {2, 111, "OOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOKKKKKKKK"},
};

TEST(FaceFrame, RowsAreTheDesignedFrameAtScaleOneAndTwo)
{
    for (const TFrameRow& row : FrameRows) {
        const TPixelImage cell = MakeFace({0, TScript::Hiragana, TFaceShows::KanaWithReading, 0, false}, row.Scale);
        ASSERT_EQ(cell.Width, 40 * row.Scale);
        ASSERT_EQ(cell.Height, 56 * row.Scale);
        EXPECT_EQ(Row(cell, row.Y), row.Parts) << "scale " << row.Scale << " row " << row.Y;
    }
}

// The plate shows the colour of its kana's vowel, ん pink, the maroon plate in artwork 1 and the
// highlight colours; the inner plate's top row carries no ink.
TEST(FaceFrame, PlatesHaveTheirVowelColourOrTheHighlight)
{
    struct TCase {
        const char* Reading;
        uint8_t Artwork;
        bool Highlighted;
        uint32_t Plate;
    };
    const TCase cases[] = {
        {"a", 0, false, 0xf5f988},   {"i", 0, false, 0xfcb181},   {"u", 0, false, 0xcdd0fc},
        {"e", 0, false, 0xacf49f},   {"o", 0, false, 0xf9bebd},   {"n", 0, false, 0xf9bebd},
        {"gi", 0, false, 0xfcb181},  {"pyu", 0, false, 0xcdd0fc}, {"jo", 0, false, 0xf9bebd},
        {"ka", 1, false, 0x660033},  {"kyo", 1, false, 0x660033}, {"a", 0, true, 0x9966cc},
        {"ryu", 0, true, 0x9966cc},  {"a", 1, true, 0x999999},
    };
    for (const TCase& c : cases)
        for (const double scale : {1.0, 1.25, 2.0}) {
            const TFacePicture face{KanaOfReading(c.Reading), TScript::Katakana, TFaceShows::Kana, c.Artwork,
                                    c.Highlighted};
            const TPixelImage cell = MakeFace(face, scale);
            const int y = int(3 * scale + 0.5);
            for (const int x : {int(7 * scale), int(20 * scale), int(35 * scale)})
                EXPECT_EQ(cell.At(x, y), 0xff000000 | c.Plate) << c.Reading << " at scale " << scale;
        }
}

// Any scale gives a cell of the scaled size, rounded, whose black corners and outline meet the
// cell's own edges.
TEST(FaceFrame, AnyScaleFramesTheWholeCell)
{
    for (const double scale : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 1.37}) {
        const TPixelImage cell = MakeFace({4, TScript::Hiragana, TFaceShows::KanaWithReading, 1, false}, scale);
        EXPECT_EQ(cell.Width, int(40 * scale + 0.5)) << scale;
        EXPECT_EQ(cell.Height, int(56 * scale + 0.5)) << scale;
        EXPECT_EQ(cell.At(0, 0), 0xff000000u) << scale;
        EXPECT_EQ(cell.At(cell.Width - 1, cell.Height - 1), 0xff000000u) << scale;
        EXPECT_EQ(cell.At(cell.Width / 2, 0), 0xff666633u) << scale;
        EXPECT_EQ(cell.At(0, cell.Height / 2), 0xff666633u) << scale;
        EXPECT_EQ(cell.At(cell.Width - 1, cell.Height / 2), 0xff666633u) << scale;
        EXPECT_EQ(cell.At(cell.Width / 2, cell.Height - 1), 0xff666633u) << scale;
    }
}

}  // namespace
