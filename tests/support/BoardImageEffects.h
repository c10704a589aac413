#pragma once

#include "tests/support/SilentEffects.h"
#include "qt/window/BoardImage.h"

// The game's drawing goes into a board image, as in the main window; nothing else is watched.
class TBoardImageEffects final : public TSilentEffects {
public:
    explicit TBoardImageEffects(int scale) : Board(scale) {}

    TBoardImage Board;
    uint8_t BackgroundIndex = 0;  // the texture DrawBackground lays

    void DrawBackground() override { Board.DrawBackground(BackgroundIndex); }
    void CopyFaceCell(uint8_t faceStyle, int32_t sourceLeft, int32_t sourceTop, int32_t left, int32_t top) override
    {
        Board.CopyFaceCell(faceStyle, sourceLeft, sourceTop, left, top);
    }
};
