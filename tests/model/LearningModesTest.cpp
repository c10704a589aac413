#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/LearningModes.h"
#include "model/MapUnit.h"

namespace {

// A face sheet's blocks of four rows, from the top: hiragana with reading, katakana with reading,
// hiragana alone, katakana alone, reading alone; the faces run 24 to a row, the lit rows two below.
TEST(FaceCell, EachTileTakesTheCellOfWhatItsModesShow)
{
    struct TCase {
        uint8_t Face, Copy, Kana, Readings;
        bool Lit;
        TFaceCell Cell;
    };
    const TCase cases[] = {
        {0, 0, 0, 0, false, {0, 0}},     // the designed game
        {47, 3, 0, 0, true, {23, 3}},    // the last face, lit
        {25, 1, 1, 0, false, {1, 5}},    // katakana with reading
        {5, 2, 2, 0, false, {5, 4}},     // both scripts: copies 2 and 3 katakana
        {5, 1, 2, 0, true, {5, 2}},      // both scripts: copies 0 and 1 hiragana
        {30, 0, 0, 1, false, {6, 9}},    // hiragana alone
        {30, 3, 1, 1, true, {6, 15}},    // katakana alone, lit
        {10, 1, 0, 2, false, {10, 16}},  // kana or reading: copies 1 and 3 the reading
        {40, 3, 2, 2, true, {16, 19}},
        {40, 2, 2, 2, false, {16, 13}},  // copies 0 and 2 the kana alone, here katakana
        {40, 0, 1, 2, false, {16, 13}},
        {12, 0, 2, 2, false, {12, 8}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FaceCell(c.Face, c.Copy, c.Kana, c.Readings, c.Lit), c.Cell)
            << "face " << +c.Face << " copy " << +c.Copy << " kana " << +c.Kana << " readings " << +c.Readings
            << (c.Lit ? " lit" : "");
}

// A stored value that is no choice (the store reads such as the default, but the game may be
// handed anything) draws as the default: never a cell beyond the sheet.
TEST(FaceCell, ValuesOutsideTheChoicesDrawAsTheDefault)
{
    for (const uint8_t odd : {3, 7, 255})
        for (int copy = 0; copy < 4; ++copy) {
            EXPECT_EQ(FaceCell(30, uint8_t(copy), odd, 0, true), FaceCell(30, uint8_t(copy), 0, 0, true));
            EXPECT_EQ(FaceCell(30, uint8_t(copy), 1, odd, false), FaceCell(30, uint8_t(copy), 1, 0, false));
        }
}

TEST(FaceCell, AWonGameNamesTheModesThatDifferFromTheDefaults)
{
    EXPECT_EQ(ScoreMapText(1, 1, 2), "Babel / katakana / kana or reading");
    EXPECT_EQ(ScoreMapText(4, 2, 0), "Towers / hiragana and katakana");
    EXPECT_EQ(ScoreMapText(7, 0, 1), "Pyramid / kana only");
    std::set<std::string> texts;
    for (uint8_t map = 1; map <= 7; ++map) {
        EXPECT_EQ(ScoreMapText(map, 0, 0), MapName(map)) << "a default game's record as before";
        for (uint8_t kana = 0; kana <= 2; ++kana)
            for (uint8_t readings = 0; readings <= 2; ++readings) {
                const std::string text = ScoreMapText(map, kana, readings);
                EXPECT_EQ(text.find(','), std::string::npos) << text;
                texts.insert(text);
            }
    }
    EXPECT_EQ(texts.size(), 7u * 9u) << "every map and mode tells apart";
}

}  // namespace
