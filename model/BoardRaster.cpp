#include "model/BoardRaster.h"

#include "model/TilePlacement.h"  // the tile size

namespace {

constexpr int TextureSide = 32;
constexpr int TextureCount = 6;

}  // namespace

void TBoardRaster::DrawBackground(uint8_t index)
{
    const int texture = index < TextureCount ? index : 0;
    // Cells before the origin, rounded up, so that the grid still starts at the board's origin.
    const int firstColumn = -((RoomX + TextureSide - 1) / TextureSide), lastColumn = (Width + RoomX) / TextureSide;
    const int firstRow = -((RoomY + TextureSide - 1) / TextureSide), lastRow = (Height + RoomY) / TextureSide;
    for (int column = firstColumn; column <= lastColumn; ++column)
        for (int row = firstRow; row <= lastRow; ++row)
            CopyRect(TSheet::BackgroundImage, texture * TextureSide, 0, TextureSide, TextureSide, column * TextureSide,
                     row * TextureSide);
}

void TBoardRaster::CopyFaceCell(uint8_t faceStyle, int32_t sourceLeft, int32_t sourceTop, int32_t left, int32_t top)
{
    if (faceStyle > 1)
        return;
    CopyRect(faceStyle == 0 ? TSheet::FaceImage : TSheet::FaceImage_2, sourceLeft, sourceTop, TileWidth, TileHeight,
             left, top);
}
