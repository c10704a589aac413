#pragma once

#include "model/Game.h"

// The board rules read literally, every pair of tiles compared: what the game's faster answers
// are checked against.
struct TReferenceTile {
    bool Uncovered;
    uint8_t LeftLink;
    uint8_t RightLink;
};

inline std::array<TReferenceTile, TileCount + 1> ReferenceFlags(const TTileArray& tiles)
{
    std::array<TReferenceTile, TileCount + 1> flags{};
    for (int t = 1; t <= TileCount; ++t) {
        flags[t].Uncovered = true;
        for (int u = 1; u <= TileCount; ++u)
            if (tiles[u].Present && tiles[u].X == tiles[t].X && tiles[u].Y == tiles[t].Y &&
                tiles[u].Layer > tiles[t].Layer)
                flags[t].Uncovered = false;
    }
    for (int i = 1; i <= TileCount; ++i)
        for (int j = i + 1; j <= TileCount; ++j) {
            const TTileClass& a = tiles[i];
            const TTileClass& b = tiles[j];
            if (!a.Present || !b.Present || a.Layer != b.Layer || a.Y != b.Y)
                continue;
            if (a.X == b.X + 2) {
                flags[i].LeftLink = static_cast<uint8_t>(j);
                flags[j].RightLink = static_cast<uint8_t>(i);
            }
            if (b.X == a.X + 2) {
                flags[i].RightLink = static_cast<uint8_t>(j);
                flags[j].LeftLink = static_cast<uint8_t>(i);
            }
        }
    return flags;
}

inline bool ReferenceLost(const TTileArray& tiles)
{
    for (int i = 1; i <= TileCount; ++i) {
        if (!tiles[i].Present)
            continue;
        for (int j = i + 1; j <= TileCount; ++j)
            if (tiles[j].Present && (tiles[i].X != tiles[j].X || tiles[i].Y != tiles[j].Y))
                return false;
    }
    return true;
}
