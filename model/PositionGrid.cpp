#include "model/PositionGrid.h"

TPositionGrid::TPositionGrid(const TTileArray& tiles)
{
    for (int n = 1; n <= TileCount; ++n) {
        const TTileClass& tile = tiles[n];
        if (tile.Present && OnBoard(tile.X, tile.Y, tile.Layer))
            Cells[Index(tile.X, tile.Y, tile.Layer)] = static_cast<uint8_t>(n);
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
    for (int above = layer + 1; above < Layers; ++above)
        if (At(x, y, above) != 0)
            return true;
    return false;
}
