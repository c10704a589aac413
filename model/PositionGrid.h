#pragma once

#include <array>
#include <cstdint>

#include "model/TileUnit.h"

// The present tiles by board position, rebuilt from scratch for each use. It gives the same answers
// as comparing every pair of tiles, in one pass over them. Positions off the board (never a map's)
// are left out rather than written outside the grid.
class TPositionGrid {
public:
    explicit TPositionGrid(const TTileArray& tiles);

    // The present tile at (x, y, layer), 0 when there is none or the position is off the board.
    uint8_t At(int x, int y, int layer) const;
    // Whether a present tile stands on (x, y) on some layer above the given one.
    bool CoveredAbove(int x, int y, int layer) const;

private:
    static constexpr int Columns = 27;
    static constexpr int Rows = 15;
    static constexpr int Layers = 7;

    static bool OnBoard(int x, int y, int layer);
    static int Index(int x, int y, int layer) { return (layer * Rows + y) * Columns + x; }

    std::array<uint8_t, Columns * Rows * Layers> Cells{};
    std::array<uint8_t, Columns * Rows> Heights{};  // highest present layer + 1 on each X, Y; 0 when empty
};
