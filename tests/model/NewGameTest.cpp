#include <gtest/gtest.h>

#include "tests/support/TestGame.h"

namespace {

using TLog = std::vector<std::string>;

// Takes pairs in the order FindFreePair offers them, then selects the first tile of the next one.
uint8_t RemovePairsAndSelect(TGame& game, int pairs)
{
    uint8_t first = 0;
    uint8_t second = 0;
    for (int i = 0; i < pairs; ++i) {
        EXPECT_TRUE(game.FindFreePair(first, second));
        game.ClickTile(first);
        game.ClickTile(second);
    }
    EXPECT_TRUE(game.FindFreePair(first, second));
    game.ClickTile(first);
    return first;
}

TEST(NewGame, FirstShowingPaintsDealsPaintsAndWritesTheStatus)
{
    TTestGame test(2);
    test.Game.FormShow();
    EXPECT_EQ(test.Effects.Take(), (TLog{"Background", "Undo off", "Background", "Changed",
                                         Status(0, "Tiles left:  192/192"), Status(1, "Hints:  0")}));
    EXPECT_EQ(test.Random.Seeds, 2);
    EXPECT_EQ(test.Effects.Cells.size(), 192u);
    EXPECT_FALSE(test.Effects.ClockRunning);
}

TEST(NewGame, EverythingStartsAfreshOnTheCurrentMap)
{
    TTestGame test(1);
    test.Game.FormShow();
    RemovePairsAndSelect(test.Game, 3);
    test.Game.ElapsedSeconds = 300;
    test.Game.HintCount = 4;
    test.Tile(7).Hinted = true;
    test.Game.MapNumber = 5;  // as an accepted change of map leaves it
    test.Effects.Take();

    test.Game.StartNewGame();
    EXPECT_EQ(test.Effects.Take(),
              (TLog{"Undo off", "Background", "Background", "Changed", Status(0, "Tiles left:  192/192"),
                    Status(1, "Hints:  0"), "Shuffle on", "Hint on", "StartClock"}));
    EXPECT_EQ(test.Game.PresentCount(), 192);
    EXPECT_EQ(BoardPositionSet(test.Game), MapPositionSet(5));
    EXPECT_EQ(test.Game.SelectedTile, 0);
    for (int n = 1; n <= TileCount; ++n)
        EXPECT_FALSE(test.Tile(n).Selected);
    EXPECT_EQ(test.Game.UndoCount, 0);
    EXPECT_EQ(test.Game.ElapsedSeconds, 0);
    EXPECT_EQ(test.Game.HintCount, 0);
    EXPECT_TRUE(test.Tile(7).Hinted);  // a blink in progress clears its own flags
    // The deal started from the new map's listing: no swaps scripted, so two entries on.
    for (int n = 1; n <= TileCount; ++n) {
        const TBoardPosition p = MapPositions(5, (n + 1) % TileCount + 1);
        EXPECT_EQ(PositionOf(test.Tile(n)), std::make_tuple(int(p.X), int(p.Y), int(p.Layer))) << "tile " << n;
    }
    uint8_t first = 0;
    uint8_t second = 0;
    EXPECT_TRUE(test.Game.FindFreePair(first, second));
}

TEST(NewGame, ShuffleMidGameRedealsWithoutTouchingClockOrStatus)
{
    TTestGame test(3, DealScript({{10, 20}, {30, 40}}, {{50, 60}}));
    test.Game.FormShow();
    const uint8_t selected = RemovePairsAndSelect(test.Game, 5);
    test.Game.ElapsedSeconds = 77;
    test.Game.HintCount = 2;
    std::vector<std::tuple<int, int, int>> removedPlaces;
    for (int n = 1; n <= TileCount; ++n)
        if (!test.Tile(n).Present)
            removedPlaces.push_back(PositionOf(test.Tile(n)));
    test.Effects.Take();

    test.Game.ShuffleActionExecute();
    EXPECT_EQ(test.Effects.Take(), (TLog{"Undo off", "Background", "Changed"}));
    EXPECT_EQ(test.Game.UndoCount, 0);
    EXPECT_EQ(test.Game.SelectedTile, 0);
    EXPECT_FALSE(test.Tile(selected).Selected);
    EXPECT_EQ(test.Game.ElapsedSeconds, 77);
    EXPECT_EQ(test.Game.HintCount, 2);
    EXPECT_EQ(test.Game.PresentCount(), 182);
    EXPECT_EQ(BoardPositionSet(test.Game), MapPositionSet(3));
    std::vector<std::tuple<int, int, int>> removedAfter;
    for (int n = 1; n <= TileCount; ++n)
        if (!test.Tile(n).Present)
            removedAfter.push_back(PositionOf(test.Tile(n)));
    EXPECT_EQ(removedAfter, removedPlaces);
    uint8_t first = 0;
    uint8_t second = 0;
    EXPECT_TRUE(test.Game.FindFreePair(first, second));
}

}  // namespace
