#pragma once

#include <cstdint>

#include "model/TileUnit.h"

constexpr int32_t TileWidth = 40;
constexpr int32_t TileHeight = 56;
constexpr int32_t BoardWidth = 605;
constexpr int32_t BoardHeight = 498;

struct TTileOrigin {
    int32_t Left;
    int32_t Top;
};

// Top-left corner of a tile on the board image: each layer up shifts 5 pixels right and up.
TTileOrigin TileOrigin(const TTileClass& tile);
