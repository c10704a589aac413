#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "tests/model/Reference.h"
#include "tests/support/TestGame.h"

namespace {

TEST(Board, CreateTilesGivesFacesByFourAndPlacesTileNOnEntryN)
{
    TTestGame test(3);
    EXPECT_EQ(test.Tile(1).Face, 0);
    EXPECT_EQ(test.Tile(4).Face, 0);
    EXPECT_EQ(test.Tile(5).Face, 1);
    EXPECT_EQ(test.Tile(192).Face, 47);
    for (int n = 1; n <= TileCount; ++n) {
        const TTileClass& tile = test.Tile(n);
        EXPECT_EQ(tile.Number, n);
        EXPECT_TRUE(tile.Present);
        EXPECT_FALSE(tile.Selected);
        EXPECT_FALSE(tile.Hinted);
        const TBoardPosition p = MapPositions(3, n);
        EXPECT_EQ(PositionOf(tile), std::make_tuple(int(p.X), int(p.Y), int(p.Layer)));
    }
    EXPECT_EQ(test.Game.PresentCount(), 192);
}

TEST(Board, CoverageLooksThroughGapsAndIgnoresRemovedTiles)
{
    TTestGame test;
    KeepOnly(test.Game, {{1, 4, 4, 0}, {2, 4, 4, 2}, {4, 8, 4, 0}});
    Place(test.Tile(3), 4, 4, 1);  // removed, between 1 and 2
    Place(test.Tile(5), 8, 4, 1);  // removed, on 4
    test.Game.UpdateCoverage();
    EXPECT_FALSE(test.Tile(1).Uncovered);  // two layers down, the layer between empty
    EXPECT_TRUE(test.Tile(2).Uncovered);
    EXPECT_FALSE(test.Tile(3).Uncovered);  // removed tiles get coverage too
    EXPECT_TRUE(test.Tile(4).Uncovered);   // a removed tile covers nothing
}

TEST(Board, NeighboursBlockEvenWhenCoveredButNotWhenRemovedOrApart)
{
    TTestGame test;
    KeepOnly(test.Game, {{10, 0, 6, 0}, {11, 2, 6, 0}, {12, 4, 6, 0}, {13, 0, 6, 1},
                         {20, 10, 10, 0}, {21, 14, 10, 0}, {30, 18, 10, 0}, {31, 20, 10, 1}});
    Place(test.Tile(22), 12, 10, 0);  // removed, between 20 and 21
    test.Game.UpdateLinks();

    EXPECT_EQ(test.Tile(11).LeftLink, 10);  // 10 lies under 13 and still blocks
    EXPECT_EQ(test.Tile(11).RightLink, 12);
    EXPECT_TRUE(test.Tile(11).Uncovered);
    EXPECT_FALSE(test.Game.IsFree(11));
    EXPECT_EQ(test.Tile(10).RightLink, 11);
    EXPECT_FALSE(test.Game.IsFree(10));  // covered
    EXPECT_TRUE(test.Game.IsFree(12));
    EXPECT_TRUE(test.Game.IsFree(13));

    for (int n : {20, 21, 22, 30, 31}) {
        EXPECT_EQ(test.Tile(n).LeftLink, 0) << n;
        EXPECT_EQ(test.Tile(n).RightLink, 0) << n;
    }
    EXPECT_FALSE(test.Game.IsFree(22));  // removed
    EXPECT_FALSE(test.Game.IsFree(0));
    EXPECT_FALSE(test.Game.IsFree(193));
    EXPECT_FALSE(test.Game.IsFree(255));
}

TEST(Board, FreePairIsTheLowestFirstThenTheLowestPartner)
{
    TTestGame test;
    // 1 is boxed in between 9 and 13; 2, 3, 5 and 7 stand alone.
    KeepOnly(test.Game, {{9, 0, 0, 0}, {1, 2, 0, 0}, {13, 4, 0, 0}, {2, 10, 4, 0}, {3, 14, 4, 0},
                         {5, 10, 8, 0}, {7, 14, 8, 0}});
    uint8_t first = 77;
    uint8_t second = 77;
    EXPECT_TRUE(test.Game.FindFreePair(first, second));
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 3);

    test.Tile(2).Present = test.Tile(3).Present = false;
    test.Game.UpdateCoverage();
    test.Game.UpdateLinks();
    EXPECT_TRUE(test.Game.FindFreePair(first, second));
    EXPECT_EQ(first, 5);
    EXPECT_EQ(second, 7);

    test.Tile(7).Present = false;
    test.Game.UpdateLinks();
    EXPECT_FALSE(test.Game.FindFreePair(first, second));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
}

TEST(Board, OneStackLeftIsALossReportedBeforeTheClockStops)
{
    TTestGame test;
    test.Effects.ClockRunning = true;
    KeepOnly(test.Game, {{1, 6, 6, 0}, {2, 6, 6, 1}});
    EXPECT_TRUE(test.Game.CheckLost());
    EXPECT_EQ(test.Effects.Take(), (std::vector<std::string>{LostText, "StopClock"}));
    EXPECT_EQ(test.Game.PresentCount(), 2);

    KeepOnly(test.Game, {{1, 6, 6, 0}, {2, 8, 6, 0}});
    EXPECT_FALSE(test.Game.CheckLost());
    EXPECT_TRUE(test.Effects.Take().empty());

    KeepOnly(test.Game, {});
    EXPECT_TRUE(test.Game.CheckLost());
}

// Random arrangements of every map, thinned out by random pairs down to a few tiles, against the
// rules applied pair by pair.
TEST(Board, AnswersMatchThePairByPairRules)
{
    std::mt19937 random(1234);
    for (int round = 0; round < 400; ++round) {
        TTestGame test(static_cast<uint8_t>(round % MapCount + 1));
        std::vector<TBoardPosition> places;
        for (int n = 1; n <= TileCount; ++n)
            places.push_back(MapPositions(test.Game.MapNumber, n));
        std::shuffle(places.begin(), places.end(), random);
        const int keepPercent = std::uniform_int_distribution<int>(0, 100)(random);
        for (int n = 1; n <= TileCount; ++n) {
            TTileClass& tile = test.Tile(n);
            Place(tile, places[n - 1].X, places[n - 1].Y, places[n - 1].Layer);
            // pairs 1-2, 3-4, ... leave together, so the faces keep even counts
            if (n % 2 == 1)
                tile.Present = std::uniform_int_distribution<int>(1, 100)(random) <= keepPercent;
            else
                tile.Present = test.Tile(n - 1).Present;
        }
        test.Game.UpdateCoverage();
        test.Game.UpdateLinks();
        const auto expected = ReferenceFlags(test.Game.Tiles);

        uint8_t expectedFirst = 0;
        uint8_t expectedSecond = 0;
        const auto free = [&](int n) {
            const TTileClass& t = test.Tile(n);
            return t.Present && expected[n].Uncovered && (expected[n].LeftLink == 0 || expected[n].RightLink == 0);
        };
        for (int i = 1; i < TileCount && expectedFirst == 0; ++i) {
            if (!free(i))
                continue;
            for (int j = i + 1; j <= TileCount; ++j)
                if (test.Tile(j).Face == test.Tile(i).Face && free(j)) {
                    expectedFirst = static_cast<uint8_t>(i);
                    expectedSecond = static_cast<uint8_t>(j);
                    break;
                }
        }

        for (int n = 1; n <= TileCount; ++n) {
            ASSERT_EQ(test.Tile(n).Uncovered, expected[n].Uncovered) << "round " << round << ", tile " << n;
            ASSERT_EQ(test.Tile(n).LeftLink, expected[n].LeftLink) << "round " << round << ", tile " << n;
            ASSERT_EQ(test.Tile(n).RightLink, expected[n].RightLink) << "round " << round << ", tile " << n;
            ASSERT_EQ(test.Game.IsFree(static_cast<uint8_t>(n)), free(n));
        }
        uint8_t first = 0;
        uint8_t second = 0;
        EXPECT_EQ(test.Game.FindFreePair(first, second), expectedFirst != 0);
        EXPECT_EQ(first, expectedFirst);
        EXPECT_EQ(second, expectedSecond);
        EXPECT_EQ(test.Game.CheckLost(), ReferenceLost(test.Game.Tiles));
    }
}

}  // namespace
