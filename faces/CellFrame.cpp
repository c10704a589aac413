#include "faces/CellFrame.h"

#include "model/TilePlacement.h"

namespace {

// The slab: a face plate over an olive band that is the plate moved 3 pixels down and left.
constexpr double PlateLeft = 4, PlateRight = 39, PlateTop = 1, PlateBottom = 52;
constexpr double BevelWidth = 2;
// Sums of the distances to the two sides of a slanted corner, at the pixel centres of a
// 1-pixel outline step: below the first the cell's corner is cut off.
constexpr double CornerCut = 4.5, OutlineCut = 5.5;

bool InPlate(double u, double v)
{
    return u >= PlateLeft && u < PlateRight && v >= PlateTop && v < PlateBottom;
}

// Along the plate's top and left edges the light falls on the bevel; the two corners where
// bevel meets shade are split on the diagonal.
TCellPart PlateEdgeAt(double u, double v)
{
    const bool top = v < PlateTop + BevelWidth, left = u < PlateLeft + BevelWidth;
    const bool right = u >= PlateRight - BevelWidth, bottom = v >= PlateBottom - BevelWidth;
    if (top && right)
        return (u - (PlateRight - BevelWidth)) + (v - PlateTop) < BevelWidth ? TCellPart::Bevel : TCellPart::Shade;
    if (bottom && left)
        return (u - PlateLeft) + (v - (PlateBottom - BevelWidth)) < BevelWidth ? TCellPart::Bevel : TCellPart::Shade;
    if (top || left)
        return TCellPart::Bevel;
    if (right || bottom)
        return TCellPart::Shade;
    return TCellPart::Plate;
}

}  // namespace

TCellPart CellPartAt(double u, double v)
{
    const double topLeft = u + v;
    const double bottomRight = (TileWidth - u) + (TileHeight - v);
    if (topLeft < CornerCut || bottomRight < CornerCut)
        return TCellPart::Corner;
    if (topLeft < OutlineCut || bottomRight < OutlineCut || u < 1 || v < 1 || u >= TileWidth - 1 ||
        v >= TileHeight - 1)
        return TCellPart::Outline;
    if (InPlate(u, v))
        return PlateEdgeAt(u, v);
    return TCellPart::Band;
}
