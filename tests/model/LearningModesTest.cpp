#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/LearningModes.h"
#include "model/MapUnit.h"

namespace {

// What each tile shows, worked out by hand from the options: the script of its copy (both scripts:
// copies 2 and 3 katakana), and the kana with its reading, alone, or (kana or reading) the reading
// alone on copies 1 and 3.
TEST(TilePicture, EachTileShowsWhatItsModesChoose)
{
    using enum TScript;
    using enum TFaceShows;
    struct TCase {
        int Id, Copy, Kana, Readings, Artwork;
        bool Lit;
        TFacePicture Picture;
    };
    const TCase cases[] = {
        {0, 0, 0, 0, 0, false, {0, Hiragana, KanaWithReading, 0, false}},  // the designed game
        {47, 3, 0, 0, 1, true, {47, Hiragana, KanaWithReading, 1, true}},
        {25, 1, 1, 0, 0, false, {25, Katakana, KanaWithReading, 0, false}},
        {5, 2, 2, 0, 0, false, {5, Katakana, KanaWithReading, 0, false}},
        {5, 1, 2, 0, 0, true, {5, Hiragana, KanaWithReading, 0, true}},
        {30, 0, 0, 1, 1, false, {30, Hiragana, Kana, 1, false}},
        {30, 3, 1, 1, 0, true, {30, Katakana, Kana, 0, true}},
        {10, 1, 0, 2, 0, false, {10, Hiragana, Reading, 0, false}},
        {40, 3, 2, 2, 0, true, {40, Katakana, Reading, 0, true}},
        {40, 2, 2, 2, 0, false, {40, Katakana, Kana, 0, false}},
        {48, 0, 1, 2, 1, false, {48, Katakana, Kana, 1, false}},
        {105, 0, 2, 2, 0, false, {105, Hiragana, Kana, 0, false}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TilePicture(TKanaId(c.Id), uint8_t(c.Copy), uint8_t(c.Kana), uint8_t(c.Readings), uint8_t(c.Artwork),
                              c.Lit),
                  c.Picture)
            << "kana " << c.Id << " copy " << c.Copy << " modes " << c.Kana << "/" << c.Readings;
}

// A stored value that is no choice (the store reads such as the default, but the game may be
// handed anything) draws as the default.
TEST(TilePicture, ValuesOutsideTheChoicesDrawAsTheDefault)
{
    for (const uint8_t odd : {3, 7, 255})
        for (int copy = 0; copy < 4; ++copy) {
            EXPECT_EQ(TilePicture(30, uint8_t(copy), odd, 0, 0, true), TilePicture(30, uint8_t(copy), 0, 0, 0, true));
            EXPECT_EQ(TilePicture(30, uint8_t(copy), 1, odd, 0, false), TilePicture(30, uint8_t(copy), 1, 0, 0, false));
        }
}

TEST(ScoreMapText, AWonGameNamesTheModesThatDifferFromTheDefaults)
{
    EXPECT_EQ(ScoreMapText(1, 1, 2), "Babel / katakana / kana or reading");
    EXPECT_EQ(ScoreMapText(4, 2, 0), "Towers / hiragana and katakana");
    EXPECT_EQ(ScoreMapText(7, 0, 1), "Pyramid / kana only");
    EXPECT_EQ(ScoreMapText(1, 0, 0, 2), "Babel / all kana");
    EXPECT_EQ(ScoreMapText(2, 1, 0, 1), "Ridge / basic and voiced kana / katakana");
    std::set<std::string> texts;
    for (uint8_t map = 1; map <= 7; ++map) {
        EXPECT_EQ(ScoreMapText(map, 0, 0, 0), MapName(map)) << "a default game's record as before";
        for (uint8_t kana = 0; kana <= 2; ++kana)
            for (uint8_t readings = 0; readings <= 2; ++readings)
                for (uint8_t kanaSet = 0; kanaSet <= 2; ++kanaSet) {
                    const std::string text = ScoreMapText(map, kana, readings, kanaSet);
                    EXPECT_EQ(text.find(','), std::string::npos) << text;
                    texts.insert(text);
                }
    }
    EXPECT_EQ(texts.size(), 7u * 9u * 3u) << "every map, set and mode tells apart";
}

}  // namespace
