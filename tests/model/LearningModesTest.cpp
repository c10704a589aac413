#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/LearningModes.h"
#include "model/MapUnit.h"

namespace {

// What a tile shows, in the words of the game's options: the script of its kana, or the reading
// alone; and whether a kana carries its reading below it.
enum class TShows { Hiragana, Katakana, Reading };

struct TTilePicture {
    TShows Shows;
    bool WithReading;
};

TTilePicture Expected(int copy, int kana, int readings)
{
    const bool katakana = kana == 1 || (kana == 2 && copy >= 2);
    const TShows script = katakana ? TShows::Katakana : TShows::Hiragana;
    if (readings == 1)
        return {script, false};
    if (readings == 2)
        return copy == 0 || copy == 2 ? TTilePicture{script, false} : TTilePicture{TShows::Reading, false};
    return {script, true};
}

// The sheets' blocks of four rows, from the top.
int BlockOf(const TTilePicture& picture)
{
    if (picture.Shows == TShows::Reading)
        return 4;
    const int katakana = picture.Shows == TShows::Katakana ? 1 : 0;
    return (picture.WithReading ? 0 : 2) + katakana;
}

TEST(FaceCell, EveryTileOfEveryModeTakesTheCellOfWhatItShows)
{
    for (int kana = 0; kana <= 2; ++kana)
        for (int readings = 0; readings <= 2; ++readings)
            for (int face = 0; face < 48; ++face)
                for (int copy = 0; copy < 4; ++copy)
                    for (const bool lit : {false, true}) {
                        const int row = BlockOf(Expected(copy, kana, readings)) * 4 + face / 24 + (lit ? 2 : 0);
                        EXPECT_EQ(FaceCell(uint8_t(face), uint8_t(copy), uint8_t(kana), uint8_t(readings), lit),
                                  (TFaceCell{face % 24, row}))
                            << "face " << face << " copy " << copy << " kana " << kana << " readings " << readings
                            << (lit ? " lit" : "");
                    }
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
