#include "win32/window/BoardPicture.h"

#include <algorithm>

#include "win32/common/SpriteUnit.h"
#include "win32/window/BoardImage.h"

TBoardPicture::TBoardPicture(const TBoardGeometry& geometry)
    : Fit(geometry)
    , Drawn(std::make_unique<TBoardImage>(NearestSheetScale(geometry.Scale()), *ImageForm, geometry.Room().Width,
                                          geometry.Room().Height))
    , Shown(std::max(geometry.Area().Width, 1), std::max(geometry.Area().Height, 1))
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
    if (!Stale)
        return Shown;
    Stale = false;
    const TDib& drawn = Drawn->Picture();
    const TDeviceRect target = Fit.WithRoom();
    if (target.Width == drawn.Width() && target.Height == drawn.Height()) {
        BitBlt(Shown.Dc(), target.Left, target.Top, target.Width, target.Height, drawn.Dc(), 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(Shown.Dc(), HALFTONE);
        SetBrushOrgEx(Shown.Dc(), 0, 0, nullptr);
        StretchBlt(Shown.Dc(), target.Left, target.Top, target.Width, target.Height, drawn.Dc(), 0, 0, drawn.Width(),
                   drawn.Height(), SRCCOPY);
    }
    return Shown;
}
