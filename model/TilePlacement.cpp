#include "model/TilePlacement.h"

namespace {
constexpr int32_t LayerShift = 5;
constexpr int32_t BoardMargin = 20;
}

TTileOrigin TileOrigin(const TTileClass& tile)
{
    return {(tile.X / 2) * TileWidth + tile.Layer * LayerShift + BoardMargin,
            (tile.Y / 2) * TileHeight - tile.Layer * LayerShift + BoardMargin};
}
