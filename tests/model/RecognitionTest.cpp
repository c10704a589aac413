#include <gtest/gtest.h>

#include <string>

#include "model/LearningModes.h"
#include "model/Recognition.h"
#include "tests/support/FakeClock.h"
#include "tests/support/TestGame.h"

namespace {

using TSamples = std::vector<TRecognitionSample>;
constexpr TScript H = TScript::Hiragana;
constexpr TScript K = TScript::Katakana;

TRecognitionSample Time(uint8_t face, TScript script, int32_t seconds) { return {face, script, false, 10 * seconds}; }
TRecognitionSample Hint(uint8_t face, TScript script) { return {face, script, true, 0}; }


// A game with the measuring attached, on a board arranged by the test, its game clock running.
struct TMeasuredGame : TTestGame {
    TFakeClock Clock;
    TRecognition Recognition{Clock};

    TMeasuredGame() { Game.Recognition = &Recognition; }

    void Arrange(std::initializer_list<TPlacedTile> tiles, uint8_t kana = 0, uint8_t readings = 0)
    {
        KeepOnly(Game, tiles);
        SetModes(kana, readings);
        Recognition.Restart(Game);
        Game.StartClock();
    }
    void SetModes(uint8_t kana, uint8_t readings = 0)
    {
        Game.Kana = kana;
        Game.Readings = readings;
        Recognition.SetModes(Game);
    }
    void Ticks(int count) { Milliseconds(1000 * count); }
    void Milliseconds(int64_t count) { Clock.Now += count; }
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

// Samples and mix-ups name the kana the face stood for in that game, so that they reach that kana's
// times.
TEST(Recognition, ASampleAndAMixUpNameTheKanaTheirFacesStandFor)
{
    TMeasuredGame test;
    test.Game.FaceKanaIds[0] = KanaOfReading("kya");
    test.Game.FaceKanaIds[1] = KanaOfReading("ga");
    test.Arrange({{1, {0, 0, 0}}, {3, {4, 0, 0}}, {5, {8, 0, 0}}, {6, {12, 0, 0}}}, KanaSetting::Both);
    test.Game.ClickTile(1);
    test.Game.ClickTile(5);  // hiragana kya for ga
    test.Game.ClickTile(1);
    EXPECT_EQ(test.Recognition.MixUps(), std::vector<TMixUp>{MixUpOf({KanaOfReading("kya"), H}, {KanaOfReading("ga"), H})});
    test.Ticks(2);
    test.Take(1, 3);  // copies 0 and 2: one of each script
    test.Game.HintActionExecute();
    test.Take(5, 6);
    EXPECT_EQ(test.Recognition.Samples(),
              (TSamples{Time(KanaOfReading("kya"), H, 2), Time(KanaOfReading("kya"), K, 2), Hint(KanaOfReading("ga"), H)}));
}

// A pair's time runs from the later of two moments: two of its tiles free, and the player's last
// move. Time spent taking other pairs while it lay free is scan order, not recognition.
TEST(Recognition, ThePairCountsFromItsTilesFreeOrThePlayersLastMoveUntilItIsTaken)
{
    TMeasuredGame test;
    // Tile 6 (face 1) lies under tile 9 (face 2) until 9 and 10 are taken.
    test.Arrange({{1, {0, 0, 0}}, {2, {4, 0, 0}}, {3, {24, 0, 0}}, {4, {28, 0, 0}}, {5, {8, 0, 0}}, {6, {12, 0, 0}},
                  {9, {12, 0, 1}}, {10, {20, 0, 0}}});
    test.Ticks(4);
    test.Take(9, 10);
    test.Ticks(12);
    test.Take(5, 6);
    test.Take(1, 2);  // free all along, taken at once after the last move
    test.Ticks(3);
    test.Take(3, 4);  // free all along, but found anew after the pair of its face was taken
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Time(2, H, 4), Time(1, H, 12), Time(0, H, 0), Time(0, H, 3)}));
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
        game.Arrange(SpreadOut, 0, test.Readings);
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
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Hint(0, H), Time(1, H, 0)}));
}

TEST(Recognition, APairOfBothScriptsCountsForEach)
{
    TMeasuredGame test;
    test.Arrange(SpreadOut, 2);  // copies 0 and 1 hiragana, 2 and 3 katakana
    test.Ticks(7);
    test.Take(1, 3);
    test.Take(2, 4);
    test.SetModes(1);  // the tiles now show other kana: their clocks start again
    test.Ticks(1);
    test.Take(5, 6);
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Time(0, H, 7), Time(0, K, 7), Time(0, H, 0), Time(0, K, 0), Time(1, K, 1)}));
}

TEST(Recognition, APairOfOneScriptOnAMixedBoardCountsOnce)
{
    TMeasuredGame test;
    test.Arrange(SpreadOut, 2);
    test.Ticks(3);
    test.Take(3, 4);
    test.Take(1, 2);
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Time(0, K, 3), Time(0, H, 0)}));
}

// The options dialog hands the kana setting over each time it closes, Cancel included.
TEST(Recognition, TheKanaSettingHandedOverUnchangedKeepsEveryClock)
{
    TMeasuredGame test;
    test.Arrange(SpreadOut, 1);
    test.Ticks(4);
    test.SetModes(1);
    test.Ticks(1);
    test.Take(1, 2);
    EXPECT_EQ(test.Recognition.Samples(), TSamples{Time(0, K, 5)});
}

TEST(Recognition, AHintedFaceCountsAsFoundAgainOnceItsPairIsTaken)
{
    TMeasuredGame test;
    test.Arrange(SpreadOut);
    test.Game.HintSpeed = 0;
    test.Game.HintActionExecute();  // shows 1 and 2
    test.Take(1, 2);
    test.Ticks(3);
    test.Take(3, 4);
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Hint(0, H), Time(0, H, 3)}));
}

TEST(Recognition, APairCoveredAgainByAnUndoStopsItsClock)
{
    TMeasuredGame test;
    // Tile 9 (face 2) lies on tile 2 (face 0) until 9 and 10 are taken.
    test.Arrange({{1, {0, 0, 0}}, {2, {8, 0, 0}}, {9, {8, 0, 1}}, {10, {16, 0, 0}}});
    test.Take(9, 10);
    test.Ticks(5);
    test.Game.UndoActionExecute();
    test.Ticks(6);
    test.Take(9, 10);
    test.Ticks(2);
    test.Take(1, 2);
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Time(2, H, 0), Time(2, H, 6), Time(0, H, 2)}));
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
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{Time(0, H, 5), Time(0, H, 4), Time(1, H, 0)}));

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

TEST(Recognition, TimesAreInTenthsAndOnlyTheRunningGameClockCounts)
{
    TMeasuredGame test;
    test.Arrange(SpreadOut);
    test.Milliseconds(1450);
    test.Game.StopClock();  // a dialog took the focus
    test.Ticks(60);
    test.Game.StartClock();
    test.Game.StartClock();  // a running clock goes on from where it was
    test.Milliseconds(260);
    test.Take(1, 2);
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{{0, H, false, 17}}));
    test.Game.HintActionExecute();  // its ten seconds of penalty are the score's, not the kana's
    test.Recognition.ForgetSamples();
    test.Take(3, 4);
    test.Milliseconds(100);
    test.Take(5, 6);
    EXPECT_EQ(test.Recognition.Samples(), (TSamples{{0, H, true, 0}, {1, H, false, 1}}));
}

// With kana-or-reading pairs copies 1 and 3 of a face show the reading alone: they show no script.
TEST(Recognition, APairCountsForTheScriptsItsTilesShowAndAMixUpForTheKanaShown)
{
    struct TCase {
        uint8_t Kana, Readings;
        uint8_t First, Second;  // face 0's tiles taken
        TSamples Samples;
        std::vector<TMixUp> MixUps;  // of tile 1 then 5 (face 1, copy 0) and tile 2 then 6 (copy 1)
    };
    const TSeenKana a{0, H}, i{1, H}, aKatakana{0, K}, iKatakana{1, K};
    const std::vector<TCase> cases = {
        {0, ReadingsSetting::KanaAndReading, 1, 2, {Time(0, H, 2)}, {MixUpOf(a, i), MixUpOf(a, i)}},
        {1, ReadingsSetting::KanaOnly, 1, 2, {Time(0, K, 2)}, {MixUpOf(aKatakana, iKatakana), MixUpOf(aKatakana, iKatakana)}},
        {2, ReadingsSetting::KanaOrReading, 2, 4, {}, {MixUpOf(a, i)}},
        {2, ReadingsSetting::KanaOrReading, 1, 2, {Time(0, H, 2)}, {MixUpOf(a, i)}},
        {2, ReadingsSetting::KanaOrReading, 1, 3, {Time(0, H, 2), Time(0, K, 2)}, {MixUpOf(a, i)}},
        {2, ReadingsSetting::KanaOrReading, 4, 3, {Time(0, K, 2)}, {MixUpOf(a, i)}},
        {1, ReadingsSetting::KanaOrReading, 2, 3, {Time(0, K, 2)}, {MixUpOf(aKatakana, iKatakana)}},
    };
    for (const TCase& c : cases) {
        TMeasuredGame test;
        test.Arrange({{1, {0, 0, 0}}, {2, {4, 0, 0}}, {3, {8, 0, 0}}, {4, {12, 0, 0}}, {5, {16, 0, 0}}, {6, {20, 0, 0}}},
                     c.Kana, c.Readings);
        for (auto [selected, pressed] : {std::pair{1, 5}, std::pair{2, 6}}) {
            test.Game.ClickTile(static_cast<uint8_t>(selected));
            test.Game.ClickTile(static_cast<uint8_t>(pressed));  // ignored by the game
            test.Game.ClickTile(static_cast<uint8_t>(selected));
        }
        test.Ticks(2);
        test.Take(c.First, c.Second);
        EXPECT_EQ(test.Recognition.Samples(), c.Samples) << int(c.Kana) << int(c.Readings) << int(c.First) << int(c.Second);
        EXPECT_EQ(test.Recognition.MixUps(), c.MixUps) << int(c.Kana) << int(c.Readings);
    }
}

TEST(Recognition, EitherOrderOfTheKanaIsOneMixUpAndForgettingAScriptForgetsItsMixUps)
{
    EXPECT_EQ(MixUpOf({3, K}, {1, K}), MixUpOf({1, K}, {3, K}));
    TMeasuredGame test;
    test.Arrange(SpreadOut, 2);
    test.Game.ClickTile(1);
    test.Game.ClickTile(5);  // hiragana a for i
    test.Game.ClickTile(1);
    test.Game.ClickTile(3);
    test.Game.ClickTile(6);  // katakana a for hiragana i
    test.Game.ClickTile(3);
    test.Ticks(1);
    test.Take(3, 4);
    test.Take(1, 2);
    test.Recognition.ForgetScript(K);
    EXPECT_EQ(test.Recognition.Samples(), TSamples{Time(0, H, 0)});  // found anew when 3 and 4 were taken
    EXPECT_EQ(test.Recognition.MixUps(), std::vector<TMixUp>{MixUpOf({0, H}, {1, H})});
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

// Each of the designed 48's katakana sits 0x60 above its hiragana in Unicode, ゐ ゑ ヰ ヱ included,
// and its reading finds the face again.
TEST(Kana, EachFaceNamesBothScriptsOfOneKanaAndItsReading)
{
    for (uint8_t face = 0; face < FaceCount; ++face) {
        const std::string_view hiragana = KanaCatalogue[face].Hiragana;
        ASSERT_EQ(hiragana.size(), 3u) << int(face);
        const char16_t code = char16_t((hiragana[0] & 0x0F) << 12 | (hiragana[1] & 0x3F) << 6 | (hiragana[2] & 0x3F));
        EXPECT_EQ(KanaCatalogue[face].Katakana, Utf8(static_cast<char16_t>(code + 0x60))) << int(face);
        EXPECT_EQ(FaceOfReading(KanaCatalogue[face].Reading), face);
    }
}

}  // namespace
