#pragma once

#include <cstdint>

#include "model/TileUnit.h"

// The built-in pictures a preview can show a cell of, besides a tile face.
enum class TSheet { TileFace, BackgroundImage };

// The board picture the rules draw into, in design pixels (605 x 498 in the game); its owner
// decides the device pixels.
class TBoardRaster : public TTileTarget {
public:
    // Covers the board with 32 x 32 cells of texture index from the origin; the last column and row
    // are cut at the edges. An index outside 0..5 draws texture 0.
    virtual void DrawBackground(uint8_t index) = 0;
};
