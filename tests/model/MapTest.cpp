#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TestGame.h"

namespace {

// Each map as its stack heights (one character per X = 0, 2, ..., 26; rows Y = 0, 2, ..., 14) and its
// tile counts per layer: an encoding kept apart from the game's run table on purpose.
struct TMapShape {
    std::string Name;
    std::vector<int> PerLayer;
    std::vector<std::string> Heights;
};

const std::vector<TMapShape> Shapes = {
    {"Babel", {92, 36, 16, 16, 16, 16},
     {"11111111111111",
      "...12222221...",
      "..1126666211..",
      "11112666621111",
      "11112666621111",
      "..1126666211..",
      "...12222221...",
      "11111111111111"}},
    {"Ridge", {64, 56, 40, 24, 8},
     {"...23454321...",
      "...23454321...",
      "...23454321...",
      "...23454321...",
      "...23454321...",
      "...23454321...",
      "...23454321...",
      "...23454321..."}},
    {"Flat Square", {96, 80, 16},
     {".122223322221.",
      ".122223322221.",
      ".122223322221.",
      ".122223322221.",
      ".122223322221.",
      ".122223322221.",
      ".122223322221.",
      ".122223322221."}},
    {"Towers", {64, 32, 32, 32, 32},
     {".5555.11.5555.",
      ".5555.11.5555.",
      "......11......",
      "11111....11111",
      "11111.11.11111",
      "......11......",
      ".5555.11.5555.",
      ".5555....5555."}},
    {"Bridge", {56, 40, 36, 32, 28},
     {".....55554321.",
      ".....55554321.",
      ".111.555......",
      ".111.555......",
      ".....555..111.",
      ".....555..111.",
      "12345555......",
      "12345555......"}},
    {"Castle", {62, 49, 33, 22, 14, 9, 3},
     {"2212121212122.",
      "1...........1.",
      "2.454333676.2.",
      "1.4545.5676.1.",
      "2.4544.4676.2.",
      "1...........1.",
      "1...........1.",
      "332233.332233."}},
    {"Pyramid", {72, 64, 36, 16, 4},
     {"..222222221...",
      "..233333321...",
      "..234444321...",
      "..234554321...",
      "..234554321...",
      "..234444321...",
      "..233333321...",
      "..222222221..."}},
};

TEST(Maps, EveryMapStandsOnItsShape)
{
    for (int m = 1; m <= MapCount; ++m) {
        SCOPED_TRACE("map " + std::to_string(m));
        const TMapShape& shape = Shapes[m - 1];
        EXPECT_EQ(MapName(static_cast<uint8_t>(m)), shape.Name);

        std::set<std::tuple<int, int, int>> distinct;
        std::map<std::pair<int, int>, std::set<int>> stacks;
        std::vector<int> perLayer;
        for (int n = 1; n <= TileCount; ++n) {
            const TBoardPosition p = MapPositions(static_cast<uint8_t>(m), n);
            EXPECT_EQ(p.X % 2, 0);
            EXPECT_EQ(p.Y % 2, 0);
            EXPECT_LE(p.X, 26);
            EXPECT_LE(p.Y, 14);
            EXPECT_LE(p.Layer, 6);
            distinct.insert({p.X, p.Y, p.Layer});
            stacks[{p.X, p.Y}].insert(p.Layer);
            if (perLayer.size() <= p.Layer)
                perLayer.resize(p.Layer + 1);
            ++perLayer[p.Layer];
        }
        EXPECT_EQ(distinct.size(), 192u);
        EXPECT_EQ(perLayer, shape.PerLayer);
        for (const auto& [place, layers] : stacks)
            EXPECT_EQ(*layers.rbegin(), static_cast<int>(layers.size()) - 1)
                << "gap in the stack at X " << place.first << ", Y " << place.second;
        for (int y = 0; y <= 14; y += 2)
            for (int x = 0; x <= 26; x += 2) {
                const char cell = shape.Heights[y / 2][x / 2];
                const auto stack = stacks.find({x, y});
                const int height = stack == stacks.end() ? 0 : static_cast<int>(stack->second.size());
                EXPECT_EQ(height, cell == '.' ? 0 : cell - '0') << "X " << x << ", Y " << y;
            }
    }
}

TEST(Maps, EntriesFollowTheListingOrder)
{
    struct TEntry {
        int Map;
        int Entry;
        int X;
        int Y;
        int Layer;
    };
    const TEntry entries[] = {
        {1, 1, 0, 0, 0},    {1, 2, 0, 6, 0},    {1, 3, 0, 8, 0},    {1, 5, 26, 14, 0},  {1, 6, 10, 10, 5},
        {1, 9, 16, 10, 5},  {1, 10, 10, 8, 5},  {1, 70, 8, 12, 1},  {1, 192, 26, 8, 0}, {2, 1, 20, 0, 0},
        {2, 4, 20, 14, 0},  {2, 5, 20, 6, 0},   {2, 9, 12, 0, 4},   {2, 192, 18, 14, 0}, {3, 1, 14, 0, 2},
        {3, 4, 14, 14, 2},  {3, 192, 24, 0, 0}, {4, 1, 12, 0, 0},   {4, 3, 12, 12, 0},  {4, 9, 2, 2, 4},
        {4, 192, 8, 6, 0},  {5, 1, 2, 4, 0},    {5, 9, 8, 14, 4},   {5, 192, 20, 8, 0}, {6, 1, 10, 6, 1},
        {6, 4, 10, 6, 4},   {6, 5, 14, 6, 1},   {6, 9, 0, 14, 2},   {6, 192, 24, 0, 0}, {7, 1, 20, 0, 0},
        {7, 9, 4, 14, 1},   {7, 192, 18, 0, 0},
    };
    for (const TEntry& e : entries) {
        const TBoardPosition p = MapPositions(static_cast<uint8_t>(e.Map), e.Entry);
        EXPECT_EQ(std::make_tuple(int(p.X), int(p.Y), int(p.Layer)), std::make_tuple(e.X, e.Y, e.Layer))
            << "map " << e.Map << ", entry " << e.Entry;
    }
}

TEST(Maps, CastleOpensWithTwoStacksOfOneFaceEach)
{
    TTestGame test(6);
    for (int n = 1; n <= 8; ++n) {
        const TTileClass& tile = test.Tile(n);
        EXPECT_EQ(tile.X, n <= 4 ? 10 : 14);
        EXPECT_EQ(tile.Y, 6);
        EXPECT_EQ(tile.Layer, (n - 1) % 4 + 1);
        EXPECT_EQ(tile.Face, n <= 4 ? 0 : 1);
    }
}

TEST(Maps, NumberOutsideTheTableReadsBabelButKeepsItsName)
{
    for (uint8_t map : {0, 8, 255})
        for (int n = 1; n <= TileCount; ++n) {
            const TBoardPosition p = MapPositions(map, n);
            const TBoardPosition babel = MapPositions(1, n);
            EXPECT_EQ(std::make_tuple(p.X, p.Y, p.Layer), std::make_tuple(babel.X, babel.Y, babel.Layer));
        }
    EXPECT_EQ(MapName(1), "Babel");
    EXPECT_EQ(MapName(7), "Pyramid");
    EXPECT_EQ(MapName(8), "currentMap: 8");
    EXPECT_EQ(MapName(0), "currentMap: 0");
    EXPECT_EQ(MapName(255), "currentMap: 255");
}

}  // namespace
