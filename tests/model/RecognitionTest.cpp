#include <gtest/gtest.h>

#include <string>

#include "model/LearningModes.h"
#include "model/Recognition.h"
#include "tests/support/TestGame.h"
#include "tools/artgen/FaceTable.h"

namespace {

using TSamples = std::vector<TRecognitionSample>;
constexpr TScript H = TScript::Hiragana;
constexpr TScript K = TScript::Katakana;

TRecognitionSample Time(uint8_t face, TScript script, int32_t seconds) { return {face, script, false, seconds}; }
TRecognitionSample Hint(uint8_t face, TScript script) { return {face, script, true, 0}; }

// A game with the measuring attached, on a board arranged by the test.
struct TMeasuredGame : TTestGame {
    TRecognition Recognition;

    TMeasuredGame() { Game.Recognition = &Recognition; }

    void Arrange(std::initializer_list<TPlacedTile> tiles, uint8_t kana = 0)
    {
        KeepOnly(Game, tiles);
        Recognition.SetKana(Game, kana);
        Recognition.Restart(Game);
    }
    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            Game.GameTimerTimer();
    }
    void Take(uint8_t first, uint8_t second)
    {
        Game.ClickTile(first);
        Game.ClickTile(second);
        ASSERT_FALSE(Game.Tiles[first].Present || Game.Tiles[second].Present);
    }
};

// Faces 0 (tiles 1-4) and 1 (tiles 5-8) side by side with room between them: every tile is free.
const std::initializer_list<TPlacedTile> SpreadOut = {
    {1, {0, 0, 0}}, {2, {4, 0, 0}}, {3, {8, 0, 0}}, {4, {12, 0, 0}}, {5, {16, 0, 0}}, {6, {20, 0, 0}}};

TEST(Recognition, ThePairCountsFromTheMomentTwoOfItsTilesAreFreeUntilItIsTaken)
{
    TMeasuredGame test;
    // Tile 6 (face 1) lies under tile 9 (face 2) until 9 and 10 are taken.
    test.Arrange({{1, {0, 0, 0}}, {2, {4, 0, 0}}, {3, {24, 0, 0}}, {4, {28, 0, 0}}, {5, {8, 0, 0}}, {6, {12, 0, 0}},
                  {9, {12, 0, 1}}, {10, {20, 0, 0}}});
    test.Ticks(4);
    test.Take(9, 10);
    test.Ticks(12);
    test.Take(5, 6);
    test.Take(1, 2);
    test.Ticks(3);
    test.Take(3, 4);  // free all along, but found anew after the pair of its face was taken
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Time(2, H, 4), Time(1, H, 12), Time(0, H, 16), Time(0, H, 3)}));
}

// Recall is a typed reading of tiles that showed the kana alone: it comes beside the ordinary time.
TEST(Recognition, APairTakenByItsTypedReadingIsRecallOnlyWhereTheTilesShowedTheKanaAlone)
{
    struct TCase {
        uint8_t Readings;
        bool Typed;
        TSamples Expected;
    };
    TRecognitionSample recalled = Time(0, H, 2);
    recalled.Typed = true;
    const TCase cases[] = {
        {ReadingsSetting::KanaOnly, true, {Time(0, H, 2), recalled}},
        {ReadingsSetting::KanaOnly, false, {Time(0, H, 2)}},
        {ReadingsSetting::KanaAndReading, true, {Time(0, H, 2)}},
        {ReadingsSetting::KanaOrReading, true, {Time(0, H, 2)}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::to_string(test.Readings) + (test.Typed ? " typed" : " pressed"));
        TMeasuredGame game;
        game.Game.Readings = test.Readings;
        game.Arrange(SpreadOut);
        game.Ticks(2);
        if (test.Typed)
            game.Game.TakeTypedPair(1, 2);
        else
            game.Take(1, 2);
        EXPECT_EQ(game.Recognition.Samples(), test.Expected);
    }
}

TEST(Recognition, AHintedFaceGivesAHintAndNoTimeAndTheHintsPenaltyIsNoTime)
{
    TMeasuredGame test;
    test.Arrange(SpreadOut);
    test.Game.HintSpeed = 0;
    test.Ticks(2);
    test.Game.HintActionExecute();  // shows 1 and 2, the first free pair
    test.Ticks(3);
    test.Take(3, 4);  // the other pair of the hinted face
    test.Take(5, 6);
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Hint(0, H), Time(1, H, 5)}));
}

TEST(Recognition, APairOfBothScriptsCountsForEach)
{
    TMeasuredGame test;
    test.Arrange(SpreadOut, 2);  // copies 0 and 1 hiragana, 2 and 3 katakana
    test.Ticks(7);
    test.Take(1, 3);
    test.Take(2, 4);
    test.Recognition.SetKana(test.Game, 1);  // the tiles now show other kana: their clocks start again
    test.Ticks(1);
    test.Take(5, 6);
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Time(0, H, 7), Time(0, K, 7), Time(0, H, 0), Time(0, K, 0), Time(1, K, 1)}));
}

TEST(Recognition, UndoRestartsTheClockOfThePairPutBackAndShuffleEveryClock)
{
    TMeasuredGame test;
    test.Arrange(SpreadOut);
    test.Ticks(5);
    test.Take(1, 2);
    test.Ticks(2);
    test.Game.UndoActionExecute();
    test.Ticks(4);
    test.Take(1, 2);
    test.Take(5, 6);
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Time(0, H, 5), Time(0, H, 4), Time(1, H, 11)}));

    test.Recognition.ForgetSamples();
    test.Game.UndoActionExecute();
    test.Game.UndoActionExecute();
    test.Ticks(6);
    test.Game.ShuffleActionExecute();  // spread out, every tile stays free wherever it goes
    test.Ticks(1);
    test.Take(5, 6);
    EXPECT_EQ(test.Recognition.Samples(), TSamples{Time(1, H, 1)});
}

TEST(Recognition, ANewGameStartsEveryClockAndForgetsTheHints)
{
    TMeasuredGame test;
    test.Arrange(SpreadOut);
    test.Game.HintSpeed = 0;
    test.Game.HintActionExecute();
    test.Ticks(9);
    test.Game.StartNewGame();
    test.Ticks(2);
    uint8_t first = 0;
    uint8_t second = 0;
    ASSERT_TRUE(test.Game.FindFreePair(first, second));
    ASSERT_EQ(test.Game.Tiles[first].Face, 0);  // the face hinted before
    test.Take(first, second);
    EXPECT_EQ(test.Recognition.Samples(), TSamples{Time(0, H, 2)});
}

std::string Utf8(char16_t c)
{
    std::string text;
    if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    }
    text += static_cast<char>(0x80 | (c & 0x3F));
    return text;
}

// The kana named for each face are those its artwork draws; each katakana sits 0x60 above its
// hiragana in Unicode.
TEST(Kana, EachFaceNamesTheKanaAndReadingOfItsArtwork)
{
    for (uint8_t face = 0; face < FaceCount; ++face) {
        const artwork::TFaceArt& art = artwork::Faces[face];
        EXPECT_EQ(KanaCatalogue[face].Hiragana, Utf8(art.Kana)) << int(face);
        EXPECT_EQ(KanaCatalogue[face].Katakana, Utf8(static_cast<char16_t>(art.Kana + 0x60))) << int(face);
        EXPECT_EQ(KanaCatalogue[face].Reading, art.Reading) << int(face);
        EXPECT_EQ(FaceOfReading(art.Reading), face);
    }
}

}  // namespace
