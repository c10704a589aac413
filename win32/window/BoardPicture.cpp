#include "win32/window/BoardPicture.h"

#include <algorithm>

#include "model/TilePlacement.h"
#include "win32/common/SpriteUnit.h"
#include "win32/window/BoardImage.h"

namespace {

// The sheet size nearer the board's scale.
int SheetScale(double scale)
{
    return scale >= 1.5 ? 2 : 1;
}

}  // namespace

TBoardPicture::TBoardPicture(const TBoardGeometry& geometry)
    : Fit(geometry)
    , Drawn(std::make_unique<TBoardImage>(SheetScale(geometry.Scale()), *ImageForm, geometry.Room().Width,
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
    const TDeviceSize room = Fit.Room();
    const TDeviceRect target =
        Fit.ToDevice(-room.Width, -room.Height, BoardWidth + 2 * room.Width, BoardHeight + 2 * room.Height);
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
