#pragma once

#include "model/BoardRaster.h"
#include "win32/common/Dib.h"

class TImageForm;

// The off-screen board picture that all board drawing goes into: the board's 605 x 498 grid at
// scale 1 or 2, drawn from the sheets of that scale, reaching roomX grid pixels beyond the board's
// left and right edges and roomY beyond its top and bottom. Every coordinate given to it is in
// grid pixels all the same.
class TBoardImage : public TBoardRaster {
public:
    TBoardImage(int scale, const TImageForm& sheets, int roomX = 0, int roomY = 0);

    const TDib& Picture() const { return Pixels; }
    int Scale() const { return ScaleFactor; }

protected:
    void CopyRect(TSheet sheet, int32_t sourceLeft, int32_t sourceTop, int32_t width, int32_t height, int32_t left,
                  int32_t top) override;

private:
    const TImageForm& Sheets;
    int ScaleFactor;
    int RoomX;
    int RoomY;
    TDib Pixels;
};
