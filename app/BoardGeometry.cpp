#include "app/BoardGeometry.h"

#include <algorithm>
#include <cmath>

#include "model/TilePlacement.h"

namespace {

int32_t Rounded(double value)
{
    return static_cast<int32_t>(std::floor(value + 0.5));
}

// The largest scale at which the board fits, decided on whole products so that a board exactly
// as wide (or high) as the area takes all of it.
double FittingScale(TDeviceSize area)
{
    const int64_t byWidth = int64_t{area.Width} * BoardHeight, byHeight = int64_t{area.Height} * BoardWidth;
    const double scale =
        byWidth <= byHeight ? double(area.Width) / BoardWidth : double(area.Height) / BoardHeight;
    return std::max(scale, 0.0);
}

// The last board pixel p whose device pixel, at offset + round(p * scale), is not beyond device.
int32_t BoardPixel(int32_t device, double scale, const auto& toDevice)
{
    if (scale <= 0)
        return 0;
    int32_t p = static_cast<int32_t>(std::floor((device + 0.5) / scale));
    while (toDevice(p) > device)
        --p;
    while (toDevice(p + 1) <= device)
        ++p;
    return p;
}

bool KeepsRatio(TDeviceSize area, double ratio)
{
    return Rounded(BoardWidth * ratio) <= area.Width && Rounded(BoardHeight * ratio) <= area.Height &&
           FittingScale(area) * BoardWidth < ratio * BoardWidth + 1;
}

}  // namespace

TBoardGeometry::TBoardGeometry(TDeviceSize area, double deviceRatio)
    : AreaSize(area)
    , Factor(KeepsRatio(area, deviceRatio) ? deviceRatio : FittingScale(area))
    , Offset{(area.Width - Rounded(BoardWidth * Factor)) / 2, (area.Height - Rounded(BoardHeight * Factor)) / 2}
{
}

int32_t TBoardGeometry::DeviceX(int32_t x) const
{
    return Offset.X + Rounded(x * Factor);
}

int32_t TBoardGeometry::DeviceY(int32_t y) const
{
    return Offset.Y + Rounded(y * Factor);
}

TDeviceRect TBoardGeometry::Board() const
{
    return ToDevice(0, 0, BoardWidth, BoardHeight);
}

TDevicePoint TBoardGeometry::ToDevice(int32_t x, int32_t y) const
{
    return {DeviceX(x), DeviceY(y)};
}

TDeviceRect TBoardGeometry::ToDevice(int32_t left, int32_t top, int32_t width, int32_t height) const
{
    const int32_t x = DeviceX(left), y = DeviceY(top);
    return {x, y, DeviceX(left + width) - x, DeviceY(top + height) - y};
}

TBoardPoint TBoardGeometry::ToBoard(int32_t x, int32_t y) const
{
    return {BoardPixel(x - Offset.X, Factor, [this](int32_t p) { return DeviceX(p) - Offset.X; }),
            BoardPixel(y - Offset.Y, Factor, [this](int32_t p) { return DeviceY(p) - Offset.Y; })};
}

TDeviceSize TBoardGeometry::Room() const
{
    if (Factor <= 0)
        return {};
    const auto room = [this](int32_t device) { return static_cast<int32_t>(std::ceil(device / Factor)); };
    return {room(std::max(Offset.X, AreaSize.Width - DeviceX(BoardWidth))),
            room(std::max(Offset.Y, AreaSize.Height - DeviceY(BoardHeight)))};
}

TDeviceRect TBoardGeometry::WithRoom() const
{
    const TDeviceSize room = Room();
    return ToDevice(-room.Width, -room.Height, BoardWidth + 2 * room.Width, BoardHeight + 2 * room.Height);
}

int NearestSheetScale(double scale)
{
    return scale >= 1.5 ? 2 : 1;
}

TDeviceSize OpeningBoardArea(double scale, TDeviceSize room)
{
    return {std::clamp(Rounded(BoardWidth * scale), 1, std::max(room.Width, 1)),
            std::clamp(Rounded(BoardHeight * scale), 1, std::max(room.Height, 1))};
}

TDeviceSize SmallestBoardArea(double scale, TDeviceSize opening)
{
    return {std::min(Rounded(BoardWidth * scale), opening.Width),
            std::min(Rounded(BoardHeight * scale / 2), opening.Height)};
}
