#include <gtest/gtest.h>

#include <vector>

#include "RenderTestSupport.h"
#include "model/Game.h"
#include "qt/window/BoardImage.h"
#include "qt/common/SpriteUnit.h"
#include "tests/support/BoardImageEffects.h"
#include "tests/support/SeededRandom.h"

namespace {

class GameDrawBoardTest : public ::testing::TestWithParam<double> {
protected:
    double Scale() const { return GetParam(); }

    QImage Expected(const TGame& game) const
    {
        std::vector<TTileClass> present;
        for (int n = 1; n <= TileCount; ++n)
            if (game.Tiles[n].Present)
                present.push_back(game.Tiles[n]);
        return ExpectedBoard(present, {game.FaceStyle, game.Kana, game.Readings}, game.BackgroundIndex, Scale());
    }
};

TEST_P(GameDrawBoardTest, EveryMapDealtShowsItsTilesInPlace)
{
    for (uint8_t map = 1; map <= 7; ++map) {
        const uint8_t background = uint8_t(map % 6);
        TBoardImageEffects effects(Scale());
        TSeededRandom random(7);
        TGame game(effects, random);
        game.MapNumber = map;
        game.FaceStyle = map % 2;
        // Every map in other learning modes, mixed boards among them.
        game.Kana = map % 3;
        game.Readings = uint8_t((map + map / 3) % 3);
        game.BackgroundIndex = background;
        game.CreateTiles();
        game.DealTiles();
        uint8_t first = 0, second = 0;
        ASSERT_TRUE(game.FindFreePair(first, second));
        game.Tiles[first].Selected = true;
        game.Tiles[second].Hinted = true;
        game.DrawBoard();
        EXPECT_EQ(FirstDifference(effects.Board.Image(), Expected(game)), -1) << "map " << int(map);
    }
}

// A removed pair leaves the background or the tiles beneath; put back, it shows again.
TEST_P(GameDrawBoardTest, RemovedTilesDisappearAndReturn)
{
    const uint8_t background = 3;
    TBoardImageEffects effects(Scale());
    TSeededRandom random(7);
    TGame game(effects, random);
    game.MapNumber = 7;
    game.BackgroundIndex = background;
    game.CreateTiles();
    game.DealTiles();
    game.DrawBoard();
    const QImage before = effects.Board.Image().copy();
    uint8_t first = 0, second = 0;
    ASSERT_TRUE(game.FindFreePair(first, second));
    game.Tiles[first].Present = game.Tiles[second].Present = false;
    game.DrawBoard();
    EXPECT_EQ(FirstDifference(effects.Board.Image(), Expected(game)), -1);
    EXPECT_NE(FirstDifference(effects.Board.Image(), before), -1);
    game.Tiles[first].Present = game.Tiles[second].Present = true;
    game.DrawBoard();
    EXPECT_EQ(FirstDifference(effects.Board.Image(), before), -1);
}

INSTANTIATE_TEST_SUITE_P(Ratios, GameDrawBoardTest, ::testing::Values(1.0, 1.5, 2.0));

}  // namespace
