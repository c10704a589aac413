// The test read-out's text, which an automated player plays from.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "app/Readout.h"
#include "tests/support/TestGame.h"

namespace {

// A free tile's line names the reading of the kana its face stands for in this game, so that a
// player can tell the kana apart beyond the designed 48.
TEST(Readout, AFreeTileNamesItsPlaceAndTheReadingOfItsKana)
{
    TTestGame test;
    KeepOnly(test.Game, {{1, {0, 0, 0}}, {5, {4, 0, 0}}, {9, {4, 0, 1}}});
    test.Game.FaceKanaIds[1] = KanaOfReading("kya");
    test.Game.FaceKanaIds[2] = KanaOfReading("ga");
    TReadoutText readout;
    readout.FreeTiles(test.Game, [](int32_t x, int32_t y) { return TReadoutText::TScreenPoint{x + 1000, y + 2000}; });
    const TTileOrigin one = TileOrigin(test.Tile(1));
    const TTileOrigin nine = TileOrigin(test.Tile(9));
    EXPECT_EQ(readout.Finish(), "tile 1 0 " + std::to_string(one.Left + 1021) + " " + std::to_string(one.Top + 2025) +
                                    " a\ntile 9 2 " + std::to_string(nine.Left + 1021) + " " +
                                    std::to_string(nine.Top + 2025) + " ga\nend\n");
}

// A free tile whose centre a higher free neighbour covers is given at a point that presses it.
TEST(Readout, EachFreeTileIsGivenWhereAPressTakesIt)
{
    TTestGame test;
    // Tile 9 lies one layer up, half a tile to the right of tile 1: it covers 1's centre, not its left.
    KeepOnly(test.Game, {{1, {0, 0, 0}}, {9, {1, 0, 1}}, {5, {12, 0, 0}}});
    ASSERT_TRUE(test.Game.IsFree(1) && test.Game.IsFree(9) && test.Game.IsFree(5));
    const TTileOrigin one = TileOrigin(test.Tile(1));
    ASSERT_EQ(test.Game.TileAtPoint(one.Left + 21, one.Top + 25), 9) << "the centre presses the neighbour";
    TReadoutText readout;
    readout.FreeTiles(test.Game, [](int32_t x, int32_t y) { return TReadoutText::TScreenPoint{x, y}; });
    std::istringstream lines(readout.Finish());
    std::string word;
    int tiles = 0;
    while (lines >> word && word == "tile") {
        int number = 0, face = 0, x = 0, y = 0;
        std::string reading;
        lines >> number >> face >> x >> y >> reading;
        SCOPED_TRACE(number);
        ++tiles;
        for (const auto& [dx, dy] : {std::pair{0, 0}, {-2, 0}, {2, 0}, {0, -2}, {0, 2}})
            EXPECT_EQ(test.Game.TileAtPoint(x + dx, y + dy), number) << "and so does a point rounded off by 2";
        if (number != 1) {
            EXPECT_EQ(std::make_pair(x, y), std::make_pair(int(TileOrigin(test.Tile(uint8_t(number))).Left + 21),
                                                       int(TileOrigin(test.Tile(uint8_t(number))).Top + 25)))
                << "an open centre is the point given";
        }
    }
    EXPECT_EQ(tiles, 3);
}

// The chart's kana with their times, so that an automated player can check what the window shows.
TEST(Readout, TheChartNamesEachKanaWithItsTime)
{
    TScriptProgress progress;
    progress[KanaOfReading("gu")] = {{40, 90}, 0};
    TReadoutText readout;
    readout.Chart(ProgressChart(TScript::Hiragana, progress, {}, {}, TChartKind::Voiced));
    const std::string text = readout.Finish();
    EXPECT_EQ(text.substr(0, 33), "chart ga\nchart gi\nchart gu 6.5 s\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), VoicedKanaCount + 1);
}

}  // namespace
