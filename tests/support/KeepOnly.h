#pragma once

#include <initializer_list>

#include "model/Game.h"
#include "model/MapUnit.h"

struct TPlacedTile {
    int Number;
    TBoardPosition Position;
};

// Leaves only the listed tiles on the board, at the given places, with coverage and links to match.
inline void KeepOnly(TGame& game, std::initializer_list<TPlacedTile> tiles)
{
    for (int n = 1; n <= TileCount; ++n)
        game.Tiles[n].Present = false;
    for (const TPlacedTile& placed : tiles) {
        TTileClass& tile = game.Tiles[placed.Number];
        tile.Present = true;
        tile.X = placed.Position.X;
        tile.Y = placed.Position.Y;
        tile.Layer = placed.Position.Layer;
    }
    game.UpdateCoverage();
    game.UpdateLinks();
}
