#pragma once

#include "tests/support/SilentEffects.h"
#include "qt/window/BoardImage.h"

// The game's drawing goes into a board image, as in the main window; nothing else is watched.
class TBoardImageEffects final : public TSilentEffects {
public:
    explicit TBoardImageEffects(double scale) : Board(scale) {}

    TBoardImage Board;

    TBoardRaster& BoardPicture() override { return Board; }
};
