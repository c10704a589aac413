#include "model/PositionGrid.h"

#include <algorithm>

TPositionGrid::TPositionGrid(const TTileArray& tiles)
{
    for (int n = 1; n <= TileCount; ++n) {
        const TTileClass& tile = tiles[n];
        if (!tile.Present || !OnBoard(tile.X, tile.Y, tile.Layer))
            continue;
        Cells[Index(tile.X, tile.Y, tile.Layer)] = static_cast<uint8_t>(n);
        uint8_t& height = Heights[Index(tile.X, tile.Y, 0)];
        height = std::max<uint8_t>(height, tile.Layer + 1);
    }
}

bool TPositionGrid::OnBoard(int x, int y, int layer)
{
    return x >= 0 && x < Columns && y >= 0 && y < Rows && layer >= 0 && layer < Layers;
}

uint8_t TPositionGrid::At(int x, int y, int layer) const
{
    return OnBoard(x, y, layer) ? Cells[Index(x, y, layer)] : 0;
}

bool TPositionGrid::CoveredAbove(int x, int y, int layer) const
{
    return OnBoard(x, y, 0) && Heights[Index(x, y, 0)] > layer + 1;
}
