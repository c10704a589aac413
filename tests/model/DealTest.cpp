#include <gtest/gtest.h>

#include "tests/support/TestGame.h"

namespace {

std::tuple<int, int, int> Entry(uint8_t map, int n)
{
    const TBoardPosition p = MapPositions(map, (n - 1 + TileCount) % TileCount + 1);
    return {p.X, p.Y, p.Layer};
}

TEST(Deal, WithoutSwapsTheTwoRotationsMoveEveryTileTwoEntriesOn)
{
    TTestGame test(1);
    test.Game.DealTiles();
    for (int n = 1; n <= TileCount; ++n)
        EXPECT_EQ(PositionOf(test.Tile(n)), Entry(1, n + 2)) << "tile " << n;
    EXPECT_EQ(test.Random.Seeds, 2);
    EXPECT_EQ(test.Random.DrawCount, 4 * 192);
    EXPECT_EQ(test.Effects.Take(), std::vector<std::string>{"Undo off"});
    uint8_t first = 0;
    uint8_t second = 0;
    EXPECT_TRUE(test.Game.FindFreePair(first, second));
}

TEST(Deal, ScriptedSwapsThenRotationsPlaceEveryTile)
{
    // Pass 1 swaps 1 and 3, then names removed tile 190 and tile 7 twice (neither swaps);
    // pass 2 swaps 2 and 4.
    TTestGame test(1, DealScript({{1, 3}, {5, 190}, {7, 7}}, {{2, 4}}));
    for (int n = 189; n <= 192; ++n)
        test.Tile(n).Present = false;
    test.Game.DealTiles();

    const auto expected = [](int n) {
        switch (n) {
        case 1: return 5;
        case 2: return 4;
        case 3: return 1;
        case 4: return 6;
        case 187: return 3;
        case 188: return 2;
        default: return n >= 189 ? n : n + 2;
        }
    };
    for (int n = 1; n <= TileCount; ++n)
        EXPECT_EQ(PositionOf(test.Tile(n)), Entry(1, expected(n))) << "tile " << n;
    EXPECT_EQ(test.Random.DrawCount, 4 * 192);
}

TEST(Deal, TwoTilesLeftSwapBackUnlessExchangedAnOddNumberOfTimes)
{
    const auto dealTwo = [](const TSwaps& firstPass, const TSwaps& secondPass) {
        TTestGame test(1, DealScript(firstPass, secondPass));
        KeepOnly(test.Game, {{1, 0, 0, 0}, {2, 10, 10, 0}});
        test.Game.DealTiles();
        uint8_t first = 0;
        uint8_t second = 0;
        EXPECT_TRUE(test.Game.FindFreePair(first, second));
        return std::make_pair(PositionOf(test.Tile(1)), PositionOf(test.Tile(2)));
    };
    const auto own = std::make_pair(std::make_tuple(0, 0, 0), std::make_tuple(10, 10, 0));
    const auto exchanged = std::make_pair(own.second, own.first);
    EXPECT_EQ(dealTwo({}, {}), own);
    EXPECT_EQ(dealTwo({{1, 2}}, {}), exchanged);
    EXPECT_EQ(dealTwo({{1, 2}}, {{2, 1}}), own);
    EXPECT_EQ(dealTwo({{1, 50}, {2, 2}}, {{192, 1}}), own);  // removed or repeated tiles: no swap
}

TEST(Deal, RepairBringsAPartnerNextToTheFirstFreeTile)
{
    // After the two rotations the row reads 1 2 5 6 (faces 0 0 1 1): only the ends 1 and 6 are free.
    TTestGame test;
    KeepOnly(test.Game, {{5, 0, 0, 0}, {6, 2, 0, 0}, {1, 4, 0, 0}, {2, 6, 0, 0}});
    test.Game.DealTiles();
    EXPECT_EQ(PositionOf(test.Tile(1)), std::make_tuple(0, 0, 0));  // the first free tile stays
    EXPECT_EQ(PositionOf(test.Tile(2)), std::make_tuple(6, 0, 0));  // its partner takes 6's place
    EXPECT_EQ(PositionOf(test.Tile(6)), std::make_tuple(2, 0, 0));  // and 6 the partner's
    EXPECT_EQ(PositionOf(test.Tile(5)), std::make_tuple(4, 0, 0));
    uint8_t first = 0;
    uint8_t second = 0;
    EXPECT_TRUE(test.Game.FindFreePair(first, second));
    EXPECT_EQ(std::make_pair(first, second), std::make_pair(uint8_t{1}, uint8_t{2}));
}

TEST(Deal, ShuffleOfALostBoardReportsAndMovesNothing)
{
    TTestGame test;
    KeepOnly(test.Game, {{1, 4, 4, 0}, {2, 4, 4, 1}});
    test.Tile(2).Selected = true;
    test.Game.SelectedTile = 2;
    test.Game.UndoCount = 3;
    test.Effects.ClockRunning = true;
    const auto before = BoardPositionSet(test.Game);
    const auto tileOne = PositionOf(test.Tile(1));

    test.Game.ShuffleActionExecute();
    EXPECT_EQ(test.Effects.Take(),
              (std::vector<std::string>{"Undo off", LostText, "StopClock", "Background", "Changed"}));
    EXPECT_EQ(test.Game.SelectedTile, 0);
    EXPECT_FALSE(test.Tile(2).Selected);
    EXPECT_EQ(test.Game.UndoCount, 0);
    EXPECT_EQ(test.Random.Seeds, 0);
    EXPECT_EQ(test.Random.DrawCount, 0);
    EXPECT_EQ(BoardPositionSet(test.Game), before);
    EXPECT_EQ(PositionOf(test.Tile(1)), tileOne);
}

}  // namespace
