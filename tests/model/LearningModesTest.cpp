#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/LearningModes.h"
#include "model/MapUnit.h"

namespace {

// What a tile shows, stated apart from the game's code in the words of its options: the script of
// its kana, and whether the kana carries its reading, or the reading stands alone.
TFacePicture Expected(int kanaId, int copy, int kana, int readings, int artwork, bool lit)
{
    const bool katakana = kana == 1 || (kana == 2 && copy >= 2);
    TFaceShows shows = TFaceShows::KanaWithReading;
    if (readings == 1)
        shows = TFaceShows::Kana;
    else if (readings == 2)
        shows = copy == 0 || copy == 2 ? TFaceShows::Kana : TFaceShows::Reading;
    return {TKanaId(kanaId), katakana ? TScript::Katakana : TScript::Hiragana, shows, uint8_t(artwork), lit};
}

TEST(TilePicture, EveryTileOfEveryModeShowsWhatItsModesChoose)
{
    for (int kana = 0; kana <= 2; ++kana)
        for (int readings = 0; readings <= 2; ++readings)
            for (const int id : {0, 47, 48, 105})
                for (int copy = 0; copy < 4; ++copy)
                    for (const bool lit : {false, true})
                        EXPECT_EQ(TilePicture(TKanaId(id), uint8_t(copy), uint8_t(kana), uint8_t(readings), 1, lit),
                                  Expected(id, copy, kana, readings, 1, lit))
                            << "kana " << id << " copy " << copy << " modes " << kana << "/" << readings;
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
