#include "win32/window/BoardPicture.h"

#include <algorithm>

#include "win32/common/SpriteUnit.h"
#include "win32/window/BoardImage.h"

TBoardPicture::TBoardPicture(const TBoardGeometry& geometry)
    : Fit(geometry)
    , Drawn(std::make_unique<TBoardImage>(NearestSheetScale(geometry.Scale()), *ImageForm, geometry.Room().Width,
                                          geometry.Room().Height))
{
}

TBoardPicture::~TBoardPicture() = default;

TBoardRaster& TBoardPicture::Raster()
{
    Stale = true;
    return *Drawn;
}

const TDib& TBoardPicture::Image()
{
    const TDib& drawn = Drawn->Picture();
    const TDeviceRect target = Fit.WithRoom();
    // At a sheet's own scale with no room around the board, the drawn board is the picture.
    if (target == TDeviceRect{0, 0, drawn.Width(), drawn.Height()})
        return drawn;
    if (!Shown) {
        Shown = std::make_unique<TDib>(std::max(Fit.Area().Width, 1), std::max(Fit.Area().Height, 1));
        Stale = true;
    }
    if (!Stale)
        return *Shown;
    Stale = false;
    SetStretchBltMode(Shown->Dc(), HALFTONE);
    SetBrushOrgEx(Shown->Dc(), 0, 0, nullptr);
    StretchBlt(Shown->Dc(), target.Left, target.Top, target.Width, target.Height, drawn.Dc(), 0, 0, drawn.Width(),
               drawn.Height(), SRCCOPY);
    return *Shown;
}
