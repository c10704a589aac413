#pragma once

#include <cstdint>

#include "model/TileUnit.h"

enum class TSheet { FaceImage, FaceImage_2, BackgroundImage };

// The board image as rectangle copies out of the sprite sheets: which rectangle goes where.
// A front end supplies the copy itself, in its own pixels.
class TBoardRaster : public TTileTarget {
public:
    // The board's size in its own pixels: 605 x 498 in the game; and the room the picture shows
    // beyond each of its left and right (roomX) and top and bottom (roomY) edges, in the same pixels.
    TBoardRaster(int32_t width, int32_t height, int32_t roomX = 0, int32_t roomY = 0)
        : Width(width), Height(height), RoomX(roomX), RoomY(roomY)
    {
    }

    // Covers the board and the room around it with 32 x 32 cells of texture index on a grid that
    // starts at the board's origin; the outermost cells are cut at the edges. An index outside
    // 0..5 draws texture 0.
    virtual void DrawBackground(uint8_t index);
    // Copies the 40 x 56 face cell at (sourceLeft, sourceTop) of the sheet of faceStyle (0 or 1;
    // others copy nothing) to (left, top).
    void CopyFaceCell(uint8_t faceStyle, int32_t sourceLeft, int32_t sourceTop, int32_t left, int32_t top) override;

protected:
    // An opaque, unscaled copy of a rectangle of the sheet's grid onto the board's grid, cut at
    // the board's edges.
    virtual void CopyRect(TSheet sheet, int32_t sourceLeft, int32_t sourceTop, int32_t width, int32_t height,
                          int32_t left, int32_t top) = 0;

private:
    int32_t Width;
    int32_t Height;
    int32_t RoomX;
    int32_t RoomY;
};
