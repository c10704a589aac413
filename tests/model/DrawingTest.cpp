#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "model/LearningModes.h"

#include "tests/support/TestGame.h"

namespace {

TEST(Drawing, BoardIsPaintedBackgroundFirstThenLayerByLayerFromTheHighestNumber)
{
    TTestGame test(1);
    test.Game.FaceStyle = 0;
    test.Tile(6).Present = test.Tile(7).Present = false;  // two of the top layer
    test.Tile(1).Selected = true;
    test.Game.SelectedTile = 1;
    test.Tile(30).Hinted = true;
    test.Game.DrawBoard();

    EXPECT_EQ(test.Effects.Take(), (std::vector<std::string>{"Background", "Changed"}));
    const std::vector<TCellCopy>& cells = test.Effects.Cells;
    ASSERT_EQ(cells.size(), 190u);
    // Tile 192 (X 26, Y 8, layer 0) comes first; tile 8 (X 14, Y 10, layer 5, face 1) last.
    EXPECT_EQ(std::make_pair(cells.front().Left, cells.front().Top), std::make_pair(540, 244));
    EXPECT_EQ(std::make_pair(cells.back().Left, cells.back().Top), std::make_pair(325, 275));
    EXPECT_EQ(cells.back().Face, (TFacePicture{1, TScript::Hiragana, TFaceShows::KanaWithReading, 0, false}));

    size_t next = 0;
    for (int layer = 0; layer <= 6; ++layer)
        for (int n = TileCount; n >= 1; --n) {
            const TTileClass& tile = test.Tile(n);
            if (!tile.Present || tile.Layer != layer)
                continue;
            ASSERT_LT(next, cells.size());
            const TTileOrigin origin = TileOrigin(tile);
            const TCellCopy& cell = cells[next++];
            EXPECT_EQ(std::make_pair(cell.Left, cell.Top), std::make_pair(origin.Left, origin.Top)) << "tile " << n;
            EXPECT_EQ(cell.Face.Kana, tile.Face) << "tile " << n;
            EXPECT_EQ(cell.Face.Highlighted, tile.Selected || tile.Hinted) << "tile " << n;
            EXPECT_EQ(cell.Face.Artwork, 0);
        }
}

// What can be made ahead is every face the basic set's deal then draws, in any learning mode; a set
// whose kana are drawn at random foresees none.
TEST(Drawing, TheFacesOfTheNextDealAreForeseenForTheBasicSetOnly)
{
    for (const uint8_t kana : {KanaSetting::Hiragana, KanaSetting::Both})
        for (const uint8_t readings : {ReadingsSetting::KanaAndReading, ReadingsSetting::KanaOrReading}) {
            TTestGame test;
            test.Game.FaceStyle = 1;
            test.Game.Kana = kana;
            test.Game.Readings = readings;
            const std::vector<TFacePicture> foreseen = test.Game.FacesOfNextDeal();
            test.Game.FormShow();
            ASSERT_EQ(test.Effects.Cells.size(), 192u);
            for (const TCellCopy& cell : test.Effects.Cells)
                EXPECT_NE(std::find(foreseen.begin(), foreseen.end(), cell.Face), foreseen.end())
                    << "kana " << int(cell.Face.Kana) << " modes " << int(kana) << "," << int(readings);
            test.Game.KanaSet = KanaSetSetting::Voiced;
            EXPECT_TRUE(test.Game.FacesOfNextDeal().empty());
        }
}

TEST(Drawing, TilesDrawTheirFaceAtTheirPlace)
{
    struct TCase {
        int Number;
        uint8_t X, Y, Layer;
        bool Highlighted;
        int Kana, Left, Top;
    };
    const TCase cases[] = {
        {93, 0, 0, 0, false, 23, 20, 20},
        {97, 4, 6, 2, false, 24, 110, 178},
        {192, 26, 14, 6, false, 47, 570, 382},
        {121, 2, 2, 0, true, 30, 60, 76},  // selected or hinted
        {121, 2, 2, 0, false, 30, 60, 76},
    };
    for (const TCase& c : cases) {
        TTestGame test;
        test.Game.FaceStyle = 1;
        KeepOnly(test.Game, {{c.Number, c.X, c.Y, c.Layer}});
        test.Tile(c.Number).Hinted = c.Highlighted;
        test.Game.DrawBoard();
        ASSERT_EQ(test.Effects.Cells.size(), 1u);
        const TCellCopy& cell = test.Effects.Cells[0];
        const TFacePicture face{TKanaId(c.Kana), TScript::Hiragana, TFaceShows::KanaWithReading, 1, c.Highlighted};
        EXPECT_EQ(cell.Face, face) << "tile " << c.Number;
        EXPECT_EQ(std::make_pair(cell.Left, cell.Top), std::make_pair(c.Left, c.Top)) << "tile " << c.Number;
    }
}

// A game may map its faces onto any catalogue kana; every tile of a face shows the one it maps to.
TEST(Drawing, AFaceShowsTheCatalogueKanaTheGameMapsItTo)
{
    TTestGame test;
    KeepOnly(test.Game, {{93, 0, 0, 0}, {94, 4, 0, 0}, {1, 8, 0, 0}});  // two of face 23, one of face 0
    test.Game.FaceKanaIds[23] = KanaOfReading("pyo");
    test.Game.FaceKanaIds[0] = KanaOfReading("ga");
    test.Game.DrawBoard();
    std::map<int, int> kanaOfTile;
    for (const TCellCopy& cell : test.Effects.Cells)
        kanaOfTile[cell.Left] = cell.Face.Kana;
    EXPECT_EQ(kanaOfTile, (std::map<int, int>{{20, KanaOfReading("pyo")}, {100, KanaOfReading("pyo")},
                                              {180, KanaOfReading("ga")}}));
}

TEST(Drawing, UnknownFaceStyleLeavesOnlyTheBackground)
{
    TTestGame test;
    test.Game.FaceStyle = 2;
    test.Game.DrawBoard();
    EXPECT_EQ(test.Effects.Take(), (std::vector<std::string>{"Background", "Changed"}));
    EXPECT_TRUE(test.Effects.Cells.empty());
}

TEST(Drawing, RepaintRecomputesCoverageAndLinks)
{
    TTestGame test;
    KeepOnly(test.Game, {{1, 4, 4, 0}, {2, 4, 4, 1}, {3, 6, 4, 0}, {4, 8, 4, 0}});
    EXPECT_FALSE(test.Tile(1).Uncovered);
    test.Tile(2).Present = test.Tile(3).Present = false;
    test.Game.DrawBoard();
    EXPECT_TRUE(test.Tile(1).Uncovered);
    EXPECT_EQ(test.Tile(1).RightLink, 0);
    EXPECT_EQ(test.Tile(4).LeftLink, 0);
    EXPECT_EQ(test.Effects.Cells.size(), 2u);
}

TEST(Drawing, HitZoneEdgesAreStrict)
{
    TTestGame test;
    KeepOnly(test.Game, {{1, 0, 0, 0}});  // drawn at (20, 20)
    const auto hit = [&](int px, int py) { return test.Game.TileAtPoint(px, py); };
    EXPECT_EQ(hit(25, 40), 0);
    EXPECT_EQ(hit(26, 40), 1);
    EXPECT_EQ(hit(57, 40), 1);
    EXPECT_EQ(hit(58, 40), 0);
    EXPECT_EQ(hit(40, 21), 0);
    EXPECT_EQ(hit(40, 22), 1);
    EXPECT_EQ(hit(40, 69), 1);
    EXPECT_EQ(hit(40, 70), 0);
    EXPECT_EQ(hit(-5, -5), 0);
}

TEST(Drawing, TheHighestFreeTileUnderThePointIsChosenWhateverItsNumber)
{
    // A layer-2 tile at X 0 and a layer-0 tile at X 2 overlap at x 66 and 67 of the board.
    for (const auto& [upper, lower] : {std::pair{1, 2}, std::pair{2, 1}}) {
        TTestGame test;
        KeepOnly(test.Game, {{upper, 0, 0, 2}, {lower, 2, 0, 0}});
        EXPECT_EQ(test.Game.TileAtPoint(67, 40), upper);
        EXPECT_EQ(test.Game.TileAtPoint(68, 40), lower);
    }
}

TEST(Drawing, OnlyFreeTilesCatchAPress)
{
    TTestGame test;
    // A row of three (the middle one blocked) and a stack of two at X 10.
    KeepOnly(test.Game, {{1, 0, 4, 0}, {2, 2, 4, 0}, {3, 4, 4, 0}, {4, 10, 4, 0}, {5, 10, 4, 1}});
    EXPECT_EQ(test.Game.TileAtPoint(80, 160), 0);   // the middle of the row
    EXPECT_EQ(test.Game.TileAtPoint(40, 160), 1);
    EXPECT_EQ(test.Game.TileAtPoint(227, 160), 0);  // the lower tile shows here, but it is covered
    EXPECT_EQ(test.Game.TileAtPoint(232, 160), 5);
    EXPECT_EQ(test.Game.TileAtPoint(222, 160), 0);  // thickness band at the left of the stack
}

}  // namespace
