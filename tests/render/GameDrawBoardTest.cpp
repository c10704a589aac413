#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "RenderTestSupport.h"
#include "model/Game.h"
#include "ui/BoardImage.h"
#include "ui/SpriteUnit.h"
#include "tests/support/BoardImageEffects.h"
#include "tests/support/SeededRandom.h"

namespace {

class GameDrawBoardTest : public ::testing::TestWithParam<int> {
protected:
    int Scale() const { return GetParam(); }

    // Each device pixel as the board must show it: the topmost present tile covering it (the
    // highest layer, and on one layer the lowest number, which is drawn last), else the texture.
    QImage Expected(const TGame& game) const
    {
        const int s = Scale();
        std::vector<const TTileClass*> order;
        for (int n = 1; n <= TileCount; ++n)
            if (game.Tiles[n].Present)
                order.push_back(&game.Tiles[n]);
        std::sort(order.begin(), order.end(), [](const TTileClass* a, const TTileClass* b) {
            return a->Layer != b->Layer ? a->Layer < b->Layer : a->Number > b->Number;
        });
        const QImage& textures = ImageForm->BackgroundImage.Image(s);
        const QImage& sheet = FaceSheet(game.FaceStyle, s);
        QImage expected(605 * s, 498 * s, QImage::Format_RGB32);
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                expected.setPixel(x, y, textures.pixel(game.BackgroundIndex * 32 * s + x % (32 * s), y % (32 * s)));
        for (const TTileClass* tile : order) {
            const int left = ((tile->X / 2) * 40 + tile->Layer * 5 + 20) * s;
            const int top = ((tile->Y / 2) * 56 - tile->Layer * 5 + 20) * s;
            const int row = tile->Face / 24 + (tile->Selected || tile->Hinted ? 2 : 0);
            for (int y = 0; y < 56 * s; ++y)
                for (int x = 0; x < 40 * s; ++x)
                    expected.setPixel(left + x, top + y,
                                      sheet.pixel((tile->Face % 24) * 40 * s + x, row * 56 * s + y));
        }
        return expected;
    }

    static bool Same(const QImage& actual, const QImage& expected)
    {
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                if (Rgb(actual.pixel(x, y)) != Rgb(expected.pixel(x, y)))
                    return false;
        return true;
    }
};

TEST_P(GameDrawBoardTest, EveryMapDealtShowsItsTilesInPlace)
{
    for (uint8_t map = 1; map <= 7; ++map) {
        const uint8_t background = uint8_t(map % 6);
        TBoardImageEffects effects(Scale());
        effects.BackgroundIndex = background;
        TSeededRandom random(7);
        TGame game(effects, random);
        game.MapNumber = map;
        game.FaceStyle = map % 2;
        game.BackgroundIndex = background;
        game.CreateTiles();
        game.DealTiles();
        uint8_t first = 0, second = 0;
        ASSERT_TRUE(game.FindFreePair(first, second));
        game.Tiles[first].Selected = true;
        game.Tiles[second].Hinted = true;
        game.DrawBoard();
        EXPECT_TRUE(Same(effects.Board.Image(), Expected(game))) << "map " << int(map);
    }
}

// A removed pair leaves the background or the tiles beneath; put back, it shows again.
TEST_P(GameDrawBoardTest, RemovedTilesDisappearAndReturn)
{
    const uint8_t background = 3;
    TBoardImageEffects effects(Scale());
    effects.BackgroundIndex = background;
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
    EXPECT_TRUE(Same(effects.Board.Image(), Expected(game)));
    EXPECT_FALSE(Same(effects.Board.Image(), before));
    game.Tiles[first].Present = game.Tiles[second].Present = true;
    game.DrawBoard();
    EXPECT_TRUE(Same(effects.Board.Image(), before));
}

INSTANTIATE_TEST_SUITE_P(BothRatios, GameDrawBoardTest, ::testing::Values(1, 2));

}  // namespace
