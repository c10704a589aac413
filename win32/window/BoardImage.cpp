#include "win32/window/BoardImage.h"

#include "model/TilePlacement.h"
#include "win32/common/SpriteUnit.h"

TBoardImage::TBoardImage(int scale, const TImageForm& sheets, int roomX, int roomY)
    : TBoardRaster(BoardWidth, BoardHeight, roomX, roomY)
    , Sheets(sheets)
    , ScaleFactor(scale)
    , RoomX(roomX)
    , RoomY(roomY)
    , Pixels((BoardWidth + 2 * roomX) * scale, (BoardHeight + 2 * roomY) * scale)
{
}

// Copies are made in device pixels, so that at either scale each is an unscaled opaque blit.
void TBoardImage::CopyRect(TSheet sheet, int32_t sourceLeft, int32_t sourceTop, int32_t width, int32_t height,
                           int32_t left, int32_t top)
{
    const TSpriteSheet& source = Sheets.Sheet(sheet);
    const int s = ScaleFactor;
    const TDib& rows = source.Rows(s, sourceTop + height);
    BitBlt(Pixels.Dc(), (left + RoomX) * s, (top + RoomY) * s, width * s, height * s, rows.Dc(), sourceLeft * s,
           sourceTop * s, SRCCOPY);
}
