#pragma once

#include <initializer_list>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "model/Game.h"
#include "model/MapUnit.h"
#include "model/TilePlacement.h"
#include "tests/support/RecordingEffects.h"
#include "tests/support/TestRandom.h"
#include "tests/support/KeepOnly.h"

// A game with its fakes, tiles created on the map and not dealt: tile n stands on entry n.
struct TTestGame {
    explicit TTestGame(uint8_t map = 1, std::vector<uint32_t> draws = {}) : Random(std::move(draws))
    {
        Game.MapNumber = map;
        Game.CreateTiles();
        Game.UpdateCoverage();
        Game.UpdateLinks();
    }

    TRecordingEffects Effects;
    TScriptedRandom Random;
    TGame Game{Effects, Random};

    TTileClass& Tile(int n) { return Game.Tiles[n]; }
};

inline void Place(TTileClass& tile, uint8_t x, uint8_t y, uint8_t layer)
{
    tile.X = x;
    tile.Y = y;
    tile.Layer = layer;
}

// A press in the middle of where the tile is drawn.
inline TTileOrigin CentreOf(const TTileClass& tile)
{
    const TTileOrigin origin = TileOrigin(tile);
    return {origin.Left + TileWidth / 2, origin.Top + TileHeight / 2};
}

inline std::tuple<int, int, int> PositionOf(const TTileClass& tile)
{
    return {tile.X, tile.Y, tile.Layer};
}

inline std::multiset<std::tuple<int, int, int>> MapPositionSet(uint8_t map)
{
    std::multiset<std::tuple<int, int, int>> positions;
    for (int n = 1; n <= TileCount; ++n) {
        const TBoardPosition p = MapPositions(map, n);
        positions.insert({p.X, p.Y, p.Layer});
    }
    return positions;
}

inline std::multiset<std::tuple<int, int, int>> BoardPositionSet(const TGame& game)
{
    std::multiset<std::tuple<int, int, int>> positions;
    for (int n = 1; n <= TileCount; ++n)
        positions.insert(PositionOf(game.Tiles[n]));
    return positions;
}

inline std::string Status(int panel, const std::string& text)
{
    return "Status " + std::to_string(panel) + ": " + text;
}

inline const std::string LostText = "Information: You have lost the game.\nPlease play another one.";
inline const std::string NoMovesText = "Information: There are no more moves available.\nPlease shuffle the tiles.";
