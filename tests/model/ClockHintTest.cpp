#include <gtest/gtest.h>

#include "tests/support/TestGame.h"

namespace {

using TLog = std::vector<std::string>;

TEST(Clock, TimeStringPadsMinutesAndSecondsButNotHours)
{
    const std::pair<int32_t, const char*> cases[] = {
        {0, "0:00:00"},     {5, "0:00:05"},     {59, "0:00:59"},      {60, "0:01:00"},        {3599, "0:59:59"},
        {3600, "1:00:00"},  {3725, "1:02:05"},  {18420, "5:07:00"},   {36000, "10:00:00"},    {360000, "100:00:00"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(TimeString(seconds), text) << seconds;
}

TEST(Clock, ATickAddsASecondBeforeItIsShown)
{
    TTestGame test;
    EXPECT_EQ(test.Game.TickClock(), "0:00:01");
    test.Game.GameTimerTimer();
    EXPECT_EQ(test.Effects.Take(), TLog{Status(2, "Time:  0:00:02")});
    test.Game.ElapsedSeconds = 59;
    test.Game.GameTimerTimer();
    EXPECT_EQ(test.Effects.Panels[2], "Time:  0:01:00");
    EXPECT_EQ(test.Game.ElapsedSeconds, 60);
}

TEST(Clock, StatusShowsTilesLeftAndHints)
{
    TTestGame test;
    test.Tile(1).Present = test.Tile(4).Present = false;
    test.Game.HintCount = 12;
    test.Game.UpdateStatus();
    EXPECT_EQ(test.Effects.Take(), (TLog{Status(0, "Tiles left:  190/192"), Status(1, "Hints:  12")}));
}

TEST(Hint, WithoutAFreePairOnlyTheMessageIsShown)
{
    TTestGame test;
    KeepOnly(test.Game, {{1, 0, 0, 0}, {5, 10, 10, 0}});
    test.Game.ElapsedSeconds = 7;
    test.Game.HintActionExecute();
    EXPECT_EQ(test.Effects.Take(), TLog{NoMovesText});
    EXPECT_EQ(test.Game.ElapsedSeconds, 7);
    EXPECT_EQ(test.Game.HintCount, 0);
}

// Which tiles are hinted, and how many cells are drawn highlighted, at every repaint.
struct TPaintWatch {
    std::vector<std::vector<int>> Hinted;
    std::vector<int> Highlighted;

    explicit TPaintWatch(TTestGame& test)
    {
        test.Effects.OnBoardChanged = [this, &test] {
            std::vector<int> hinted;
            for (int n = 1; n <= TileCount; ++n)
                if (test.Tile(n).Hinted)
                    hinted.push_back(n);
            Hinted.push_back(hinted);
            int highlighted = 0;
            for (const TCellCopy& cell : test.Effects.Cells)
                highlighted += cell.Face.Highlighted ? 1 : 0;
            Highlighted.push_back(highlighted);
        };
    }
};

// Runs the blink timer out until no blink asks for it again; how many times it ran.
int RunBlinks(TTestGame& test)
{
    int runs = 0;
    while (test.Effects.RunBlinkTimer(test.Game))
        ++runs;
    return runs;
}

TEST(Hint, ChargesTenSecondsAndBlinksTheFirstFreePairFiveTimes)
{
    TTestGame test(1);  // not dealt: 1 and 2 begin the rows Y 0 and Y 6
    test.Game.HintSpeed = 0;
    test.Game.ElapsedSeconds = 5;
    TPaintWatch watch(test);
    test.Game.HintActionExecute();
    EXPECT_EQ(test.Game.ElapsedSeconds, 15);
    EXPECT_EQ(test.Game.HintCount, 1);
    EXPECT_EQ(watch.Hinted.size(), 1u) << "nothing waits: the first phase is drawn and the hint returns";
    EXPECT_EQ(RunBlinks(test), 10);

    TLog expected{Status(0, "Tiles left:  192/192"), Status(1, "Hints:  1")};
    for (int phase = 0; phase < 10; ++phase)
        for (const char* entry : {"Background", "Changed", "Blink timer 20"})
            expected.push_back(entry);
    EXPECT_EQ(test.Effects.Take(), expected);
    EXPECT_FALSE(test.Effects.ClockRunning);
    EXPECT_TRUE(test.Game.Blinks().empty());
    ASSERT_EQ(watch.Hinted.size(), 10u);
    for (size_t paint = 0; paint < 10; ++paint) {
        EXPECT_EQ(watch.Hinted[paint], (paint % 2 == 0 ? std::vector<int>{1, 2} : std::vector<int>{}));
        EXPECT_EQ(watch.Highlighted[paint], paint % 2 == 0 ? 2 : 0);
    }
    EXPECT_FALSE(test.Effects.RunBlinkTimer(test.Game)) << "an ended blink asks for no more";
}

TEST(Hint, SpeedSetsTheLengthOfEveryPhase)
{
    for (const auto& [speed, milliseconds] : {std::pair{0, 20u}, std::pair{1, 850u}, std::pair{2, 8500u},
                                              std::pair{3, 850u}, std::pair{255, 850u}}) {
        TTestGame test(1);
        test.Game.HintSpeed = static_cast<uint8_t>(speed);
        test.Game.HintActionExecute();
        for (int phase = 0; phase < 10; ++phase) {
            EXPECT_EQ(test.Effects.BlinkTimer, milliseconds) << "speed " << speed << ", phase " << phase;
            test.Effects.RunBlinkTimer(test.Game);
        }
        EXPECT_EQ(test.Effects.BlinkTimer, 0u) << "speed " << speed;
    }
}

TEST(Hint, QuittingDuringTheBlinkEndsItAtOnceWithTheTilesPlain)
{
    TTestGame test(1);
    test.Game.HintSpeed = 2;
    test.Game.HintActionExecute();
    test.Effects.RunBlinkTimer(test.Game);
    test.Effects.RunBlinkTimer(test.Game);  // lit again
    ASSERT_TRUE(test.Tile(1).Hinted && test.Tile(2).Hinted);
    test.Game.StopBlinks();
    EXPECT_FALSE(test.Tile(1).Hinted || test.Tile(2).Hinted);
    EXPECT_TRUE(test.Game.Blinks().empty());
    test.Effects.Take();
    test.Game.BlinkTimerTimer();  // a timer already queued when the window closed
    EXPECT_EQ(test.Effects.Take(), TLog{});
}

TEST(Hint, ASelectedTileStaysLitWhileItsPartnerBlinks)
{
    TTestGame test(1);
    test.Game.HintSpeed = 0;
    test.Game.ClickTile(1);
    TPaintWatch watch(test);
    test.Game.HintActionExecute();
    RunBlinks(test);
    EXPECT_EQ(watch.Highlighted, (std::vector<int>{2, 1, 2, 1, 2, 1, 2, 1, 2, 1}));
    EXPECT_EQ(test.Game.SelectedTile, 1);
}

TEST(Hint, NewGameShuffleTickAndAnotherHintDuringTheBlinkLeaveItsTilesAlone)
{
    TTestGame test(1);
    test.Game.ClickTile(1);
    test.Game.ClickTile(2);  // the blink will show 3 and 4
    test.Game.HintSpeed = 0;
    TPaintWatch watch(test);
    test.Game.HintActionExecute();
    test.Effects.RunBlinkTimer(test.Game);  // the plain phase of the first blink
    test.Game.StartNewGame();
    test.Game.ShuffleActionExecute();
    test.Game.GameTimerTimer();
    uint8_t nestedFirst = 0;
    uint8_t nestedSecond = 0;
    test.Game.FindFreePair(nestedFirst, nestedSecond);
    test.Game.HintActionExecute();
    EXPECT_EQ(test.Game.Blinks().size(), 2u);
    EXPECT_EQ(RunBlinks(test), 19);

    ASSERT_NE(std::make_pair(nestedFirst, nestedSecond), (std::pair<uint8_t, uint8_t>{3, 4}));
    std::vector<std::vector<int>> expected{{3, 4}, {}, {}, {}};
    for (int blink = 0; blink < 5; ++blink) {
        expected.push_back({nestedFirst, nestedSecond});
        expected.push_back({});
    }
    for (int blink = 0; blink < 4; ++blink) {
        expected.push_back({3, 4});
        expected.push_back({});
    }
    EXPECT_EQ(watch.Hinted, expected);

    EXPECT_EQ(test.Game.PresentCount(), 192);
    EXPECT_EQ(BoardPositionSet(test.Game), MapPositionSet(1));
    EXPECT_EQ(test.Game.SelectedTile, 0);
    EXPECT_EQ(test.Game.UndoCount, 0);
    EXPECT_EQ(test.Game.HintCount, 1);  // the new game's count, with the nested hint
    EXPECT_EQ(test.Game.ElapsedSeconds, 11);  // its tick and its hint
    uint8_t first = 0;
    uint8_t second = 0;
    EXPECT_TRUE(test.Game.FindFreePair(first, second));
}

TEST(Hint, APairTakenAndGivenBackDuringTheBlinkDisappearsAndReturns)
{
    TTestGame test(1);
    test.Game.HintSpeed = 0;
    TPaintWatch watch(test);
    test.Game.HintActionExecute();
    test.Game.ClickTile(1);  // first blink, lit
    test.Game.ClickTile(2);
    for (int phase = 1; phase <= 4; ++phase)  // third blink, lit
        test.Effects.RunBlinkTimer(test.Game);
    test.Game.UndoActionExecute();
    RunBlinks(test);
    EXPECT_EQ(watch.Highlighted, (std::vector<int>{2, 2, 0, 0, 0, 0, 0, 2, 0, 2, 0, 2, 0}));
    EXPECT_TRUE(test.Tile(1).Present && test.Tile(2).Present);
    EXPECT_FALSE(test.Tile(1).Hinted || test.Tile(2).Hinted);
}

}  // namespace
