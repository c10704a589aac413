#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/TestGame.h"

namespace {

using TLog = std::vector<std::string>;

void Press(TTestGame& test, int n)
{
    const TTileOrigin centre = CentreOf(test.Tile(n));
    test.Game.BackgroundImageMouseDown(centre.Left, centre.Top);
}

// Map 1 before any deal: tiles 1 and 4 (face 0) end the top row, 5 (face 1) ends the bottom row.
TEST(Play, APressSelectsAndASecondOneOnTheSameTileDeselects)
{
    TTestGame test(1);
    Press(test, 1);
    EXPECT_EQ(test.Effects.Take(), (TLog{"StartClock", "Background", "Changed"}));
    EXPECT_EQ(test.Game.SelectedTile, 1);
    EXPECT_TRUE(test.Tile(1).Selected);

    Press(test, 1);
    EXPECT_EQ(test.Effects.Take(), (TLog{"StartClock", "Background", "Changed"}));
    EXPECT_EQ(test.Game.SelectedTile, 0);
    EXPECT_FALSE(test.Tile(1).Selected);

    test.Game.BackgroundImageMouseDown(600, 490);
    EXPECT_EQ(test.Effects.Take(), TLog{"StartClock"});
    test.Game.ClickTile(200);  // no such tile: a press on nothing
    EXPECT_TRUE(test.Effects.Take().empty());
    EXPECT_EQ(test.Game.SelectedTile, 0);
}

TEST(Play, WithATileSelectedOtherFacesBlockedTilesAndEmptyBoardChangeNothing)
{
    TTestGame test(1);
    Press(test, 1);
    test.Effects.Take();
    const TTileOrigin blocked = CentreOf(test.Tile(180));  // inside the top row
    for (const auto& [px, py] : {std::pair{CentreOf(test.Tile(5)).Left, CentreOf(test.Tile(5)).Top},
                                 std::pair{blocked.Left, blocked.Top}, std::pair{600, 490}}) {
        test.Game.BackgroundImageMouseDown(px, py);
        EXPECT_EQ(test.Effects.Take(), TLog{"StartClock"});
        EXPECT_EQ(test.Game.SelectedTile, 1);
        EXPECT_TRUE(test.Tile(1).Selected);
        EXPECT_FALSE(test.Tile(5).Selected);
    }
    test.Game.ClickTile(200);
    EXPECT_EQ(test.Game.SelectedTile, 1);
    EXPECT_EQ(test.Game.UndoCount, 0);
}

TEST(Play, AMatchingPressRemovesThePairAndRepaints)
{
    TTestGame test(1);
    test.Game.ClickTile(1);
    test.Effects.Take();
    test.Game.ClickTile(4);
    EXPECT_EQ(test.Effects.Take(), (TLog{"Undo on", Status(0, "Tiles left:  190/192"), Status(1, "Hints:  0"),
                                         "Background", "Changed"}));
    EXPECT_EQ(test.Game.UndoCount, 1);
    EXPECT_EQ(test.Game.UndoPairs[1], (std::pair<uint8_t, uint8_t>{1, 4}));
    EXPECT_EQ(test.Game.SelectedTile, 0);
    for (int n : {1, 4}) {
        EXPECT_FALSE(test.Tile(n).Present);
        EXPECT_FALSE(test.Tile(n).Selected);
    }
    EXPECT_EQ(test.Effects.Cells.size(), 190u);
}

// A typed reading names a kana, not tiles: with three or four of them free, the rule picks two.
TEST(Play, ATypedReadingTakesTheSelectedTileOrTheFirstFreeTilesInTheHintsOrder)
{
    struct TCase {
        std::string_view Name;
        std::initializer_list<TPlacedTile> Board;
        uint8_t Selected;
        bool Found;
        std::pair<uint8_t, uint8_t> Pair;
    };
    // Tiles 1-4 are face 0, 5 is face 1; x 0, 4, 8, 12, 16 leave every tile on the table free.
    const TCase cases[] = {
        {"four free", {{1, {0, 0, 0}}, {2, {4, 0, 0}}, {3, {8, 0, 0}}, {4, {12, 0, 0}}}, 0, true, {1, 2}},
        {"three free, one covered", {{1, {4, 0, 0}}, {2, {4, 0, 1}}, {3, {8, 0, 0}}, {4, {12, 0, 0}}}, 0, true, {2, 3}},
        {"three free, one blocked on both sides",
         {{5, {0, 0, 0}}, {1, {2, 0, 0}}, {6, {4, 0, 0}}, {2, {10, 0, 0}}, {3, {14, 0, 0}}, {4, {18, 0, 0}}},
         0, true, {2, 3}},
        {"the selected tile first", {{1, {0, 0, 0}}, {2, {4, 0, 0}}, {3, {8, 0, 0}}, {4, {12, 0, 0}}}, 3, true, {3, 1}},
        {"another face selected", {{1, {0, 0, 0}}, {2, {4, 0, 0}}, {3, {8, 0, 0}}, {5, {16, 0, 0}}}, 5, true, {1, 2}},
        {"one free", {{1, {4, 0, 0}}, {2, {4, 0, 1}}, {5, {16, 0, 0}}}, 0, false, {}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Name);
        TTestGame game;
        KeepOnly(game.Game, test.Board);
        if (test.Selected != 0)
            game.Game.ClickTile(test.Selected);
        uint8_t first = 0, second = 0;
        ASSERT_EQ(game.Game.FreePairOfFace(0, first, second), test.Found);
        if (!test.Found)
            continue;
        EXPECT_EQ(std::pair(first, second), test.Pair);

        const uint8_t present = game.Game.PresentCount();
        game.Effects.Take();
        game.Game.TakeTypedPair(first, second);
        // As two presses: the clock, then the same removal, undo entry and status.
        const TLog log = game.Effects.Take();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), "StartClock");
        EXPECT_NE(std::find(log.begin(), log.end(), "Undo on"), log.end());
        EXPECT_EQ(game.Game.PresentCount(), present - 2);
        EXPECT_EQ(game.Game.UndoPairs[game.Game.UndoCount], test.Pair);
        EXPECT_EQ(game.Game.SelectedTile, 0);
        for (int n = 1; n <= TileCount; ++n)
            EXPECT_FALSE(game.Tile(n).Selected) << n;
    }
}

TEST(Play, TheLastPairWinsWithOneMoreSecond)
{
    struct TCase {
        int Map, Kana, Readings;
        const char* Name;
    };
    for (const auto& [map, kana, readings, name] :
         {TCase{4, 0, 0, "Towers"}, TCase{9, 0, 0, "currentMap: 9"}, TCase{1, 1, 2, "Babel / katakana / kana or reading"}}) {
        TTestGame test;
        test.Game.MapNumber = static_cast<uint8_t>(map);
        test.Game.Kana = static_cast<uint8_t>(kana);
        test.Game.Readings = static_cast<uint8_t>(readings);
        KeepOnly(test.Game, {{1, 0, 0, 0}, {2, 10, 10, 0}});
        test.Game.ElapsedSeconds = 41;
        test.Game.HintCount = 3;
        test.Game.ClickTile(1);
        test.Effects.Take();
        test.Game.ClickTile(2);
        EXPECT_EQ(test.Effects.Take(),
                  (TLog{"Undo on", Status(0, "Tiles left:  0/192"), Status(1, "Hints:  3"), "Background", "Changed",
                        "Undo off", "Shuffle off", "Hint off", "StopClock", std::string("Win 0:00:42 / 3 / ") + name}));
        EXPECT_EQ(test.Game.UndoCount, 0);
        EXPECT_EQ(test.Game.ElapsedSeconds, 42);

        // The board stays live: a press starts the clock again, which counts on.
        test.Game.BackgroundImageMouseDown(300, 200);
        test.Game.GameTimerTimer();
        EXPECT_EQ(test.Effects.Take(), (TLog{"StartClock", Status(2, "Time:  0:00:43")}));
    }
}

TEST(Play, ASingleStackLeftIsLostAndUndoStillWorks)
{
    TTestGame test;
    KeepOnly(test.Game, {{1, 0, 0, 0}, {2, 10, 10, 0}, {5, 20, 4, 0}, {6, 20, 4, 1}});
    test.Game.ClickTile(1);
    test.Effects.Take();
    test.Game.ClickTile(2);
    EXPECT_EQ(test.Effects.Take(), (TLog{"Undo on", Status(0, "Tiles left:  2/192"), Status(1, "Hints:  0"),
                                         "Background", "Changed", LostText, "StopClock"}));
    test.Game.UndoActionExecute();
    EXPECT_EQ(test.Effects.Take(), (TLog{"Background", "Changed", "Undo off", Status(0, "Tiles left:  4/192"),
                                         Status(1, "Hints:  0")}));
    EXPECT_TRUE(test.Tile(1).Present);
    EXPECT_TRUE(test.Tile(2).Present);
}

TEST(Play, NoFreePairAfterARemovalIsADeadEnd)
{
    TTestGame test;
    // The row 5 9 6 10 (faces 1 2 1 2) has free ends of different faces.
    KeepOnly(test.Game, {{1, 0, 0, 0}, {2, 10, 10, 0}, {5, 0, 6, 0}, {9, 2, 6, 0}, {6, 4, 6, 0}, {10, 6, 6, 0}});
    test.Game.ClickTile(1);
    test.Effects.Take();
    test.Game.ClickTile(2);
    EXPECT_EQ(test.Effects.Take(), (TLog{"Undo on", Status(0, "Tiles left:  4/192"), Status(1, "Hints:  0"),
                                         "Background", "Changed", NoMovesText}));
}

TEST(Play, UndoTakesPairsBackNewestFirst)
{
    TTestGame test(1);
    test.Game.ClickTile(1);
    test.Game.ClickTile(4);
    test.Game.ClickTile(2);  // 2 and 3 begin the rows Y 6 and Y 8
    test.Game.ClickTile(3);
    test.Effects.Take();

    test.Game.UndoActionExecute();
    EXPECT_EQ(test.Effects.Take(), (TLog{"Background", "Changed", Status(0, "Tiles left:  190/192"),
                                         Status(1, "Hints:  0")}));
    EXPECT_TRUE(test.Tile(2).Present && test.Tile(3).Present);
    EXPECT_FALSE(test.Tile(1).Present || test.Tile(4).Present);

    test.Game.UndoActionExecute();
    EXPECT_EQ(test.Effects.Take(), (TLog{"Background", "Changed", "Undo off", Status(0, "Tiles left:  192/192"),
                                         Status(1, "Hints:  0")}));
    EXPECT_EQ(test.Game.PresentCount(), 192);

    test.Game.UndoActionExecute();  // empty stack
    EXPECT_EQ(test.Effects.Take(), (TLog{"Undo off", Status(0, "Tiles left:  192/192"), Status(1, "Hints:  0")}));
    EXPECT_EQ(test.Game.UndoCount, 0);
}

TEST(Play, ASelectionBlockedByUndoStaysUntilItsFaceIsPressed)
{
    TTestGame test;
    KeepOnly(test.Game, {{1, 0, 0, 0}, {5, 2, 0, 0}, {9, 4, 0, 0}, {2, 10, 10, 0}, {6, 20, 10, 0}});
    test.Game.ClickTile(1);
    test.Game.ClickTile(2);
    Press(test, 5);  // free now that 1 is gone
    ASSERT_EQ(test.Game.SelectedTile, 5);

    test.Game.UndoActionExecute();  // 1 comes back: 5 is boxed in
    EXPECT_EQ(test.Game.SelectedTile, 5);
    EXPECT_TRUE(test.Tile(5).Selected);
    EXPECT_FALSE(test.Game.IsFree(5));
    Press(test, 5);
    EXPECT_EQ(test.Game.SelectedTile, 5);

    Press(test, 6);
    EXPECT_EQ(test.Game.SelectedTile, 0);
    EXPECT_FALSE(test.Tile(5).Present || test.Tile(6).Present);
    EXPECT_EQ(test.Game.UndoPairs[1], (std::pair<uint8_t, uint8_t>{5, 6}));
}

}  // namespace
