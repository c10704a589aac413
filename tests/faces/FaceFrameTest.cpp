#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "faces/FaceMaker.h"

namespace {

// A row of a cell as runs of the frame's parts, as in "3K O 34W": K black corner, O outline, B band,
// W bevel, S shade, P plate (of あ in the pastel artwork).
std::string Runs(const TPixelImage& cell, int y)
{
    static const std::map<uint32_t, char> parts{{0xff000000, 'K'}, {0xff666633, 'O'}, {0xff999966, 'B'},
                                                {0xffffffff, 'W'}, {0xffcc99cc, 'S'}, {0xfff5f988, 'P'}};
    std::string runs;
    for (int x = 0, n = 1; x < cell.Width; x += n, n = 1) {
        while (x + n < cell.Width && cell.At(x + n, y) == cell.At(x, y))
            ++n;
        const auto part = parts.find(cell.At(x, y));
        runs += (runs.empty() ? "" : " ") + (n > 1 ? std::to_string(n) : "");
        runs += part == parts.end() ? '?' : part->second;
    }
    return runs;
}

// Rows of the designed frame at scales 1 and 2, as the committed artwork drew it; at any other
// scale the cell is rounded and its corners and outline still meet its edges.
TEST(FaceFrame, IsTheDesignedFrameAtScaleOneAndTwoAndFillsTheCellAtAny)
{
    const struct {
        int Scale, Y;
        const char* Runs;
    } rows[] = {
        {1, 0, "4K 36O"}, {1, 1, "3K O 34W S O"}, {1, 2, "2K O B 33W 2S O"}, {1, 3, "K O 2B 2W 31P 2S O"},
        {1, 4, "O 3B 2W 31P 2S O"}, {1, 49, "O 3B 2W 31P 2S O"}, {1, 50, "O 3B W 34S O"}, {1, 51, "O 3B 35S O"},
        {1, 52, "O 37B O K"}, {1, 54, "O 35B O 3K"}, {1, 55, "36O 4K"}, {2, 0, "8K 72O"}, {2, 1, "7K 73O"},
        {2, 3, "5K 2O B 68W 2S 2O"}, {2, 5, "3K 2O 3B 66W 4S 2O"}, {2, 7, "K 2O 5B 4W 62P 4S 2O"},
        {2, 8, "2O 6B 4W 62P 4S 2O"}, {2, 101, "2O 6B 2W 68S 2O"}, {2, 103, "2O 6B 70S 2O"},
        {2, 105, "2O 74B 2O 2K"}, {2, 109, "2O 70B 2O 6K"}, {2, 111, "72O 8K"},
    };
    for (const auto& row : rows) {
        const TPixelImage cell = MakeFace({0, TScript::Hiragana, TFaceShows::KanaWithReading, 0, false}, row.Scale);
        ASSERT_EQ(cell.Height, 56 * row.Scale);
        EXPECT_EQ(Runs(cell, row.Y), row.Runs) << "scale " << row.Scale << " row " << row.Y;
    }
    for (const double scale : {1.25, 1.37, 1.5, 1.75}) {
        const TPixelImage cell = MakeFace({4, TScript::Hiragana, TFaceShows::KanaWithReading, 1, false}, scale);
        ASSERT_EQ(std::pair(cell.Width, cell.Height), std::pair(int(40 * scale + 0.5), int(56 * scale + 0.5))) << scale;
        EXPECT_EQ(cell.At(cell.Width - 1, cell.Height - 1), 0xff000000u) << scale;
        EXPECT_EQ(cell.At(cell.Width - 1, cell.Height / 2), 0xff666633u) << scale;
        EXPECT_EQ(cell.At(cell.Width / 2, cell.Height - 1), 0xff666633u) << scale;
    }
}

// The plate shows the colour of its kana's vowel (a combined kana's last), ん the o row's pink,
// maroon in artwork 1, or the highlight; the inner plate's top row carries no ink.
TEST(FaceFrame, PlatesHaveTheirVowelColourOrTheHighlight)
{
    const struct { const char* Reading; uint8_t Artwork; bool Highlighted; uint32_t Plate; } cases[] = {
        {"a", 0, false, 0xf5f988}, {"i", 0, false, 0xfcb181},   {"u", 0, false, 0xcdd0fc}, {"e", 0, false, 0xacf49f},
        {"n", 0, false, 0xf9bebd}, {"pyu", 0, false, 0xcdd0fc}, {"kyo", 1, false, 0x660033}, {"a", 0, true, 0x9966cc},
        {"a", 1, true, 0x999999}};
    for (const auto& c : cases)
        for (const double scale : {1.0, 1.25}) {
            const TPixelImage cell = MakeFace(
                {KanaOfReading(c.Reading), TScript::Katakana, TFaceShows::Kana, c.Artwork, c.Highlighted}, scale);
            for (const int x : {int(7 * scale), int(20 * scale), int(35 * scale)})
                EXPECT_EQ(cell.At(x, int(3 * scale + 0.5)), 0xff000000 | c.Plate) << c.Reading << " at " << scale;
        }
}

}  // namespace
