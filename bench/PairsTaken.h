#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "model/Game.h"

// The pairs a player takes from a dealt board, always the first free pair, until none is left:
// a game the benchmarks replay move by move.
inline std::vector<std::pair<uint8_t, uint8_t>> PairsTaken(TGame game)
{
    std::vector<std::pair<uint8_t, uint8_t>> pairs;
    uint8_t first = 0;
    uint8_t second = 0;
    while (game.FindFreePair(first, second)) {
        pairs.emplace_back(first, second);
        game.Tiles[first].Present = game.Tiles[second].Present = false;
        game.UpdateCoverage();
        game.UpdateLinks();
    }
    return pairs;
}
