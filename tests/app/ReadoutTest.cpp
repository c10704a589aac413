// The test read-out's text, which an automated player plays from.
#include <gtest/gtest.h>

#include "app/Readout.h"
#include "tests/support/TestGame.h"

namespace {

// A free tile's line names the reading of the kana its face stands for in this game; 5 lies under 9.
TEST(Readout, AFreeTileNamesItsPlaceAndTheReadingOfItsKana)
{
    TTestGame test;
    KeepOnly(test.Game, {{1, {0, 0, 0}}, {5, {4, 0, 0}}, {9, {4, 0, 1}}});
    test.Game.FaceKanaIds[2] = KanaOfReading("ga");
    TReadoutText readout;
    readout.FreeTiles(test.Game, [](int32_t x, int32_t y) { return TReadoutText::TScreenPoint{x + 1000, y + 2000}; });
    const TTileOrigin one = TileOrigin(test.Tile(1)), nine = TileOrigin(test.Tile(9));
    EXPECT_EQ(readout.Finish(), "tile 1 0 " + std::to_string(one.Left + 1021) + " " + std::to_string(one.Top + 2025) +
                                    " a\ntile 9 2 " + std::to_string(nine.Left + 1021) + " " +
                                    std::to_string(nine.Top + 2025) + " ga\nend\n");
}

}  // namespace
