#include "model/TileUnit.h"
#include "model/TilePlacement.h"

namespace {
constexpr int FacesPerSheetRow = 24;
constexpr int HighlightRowOffset = 2;
}

TTileClass::TTileClass(uint8_t number) : Number(number), Face(static_cast<uint8_t>((number - 1) / 4)) {}

void TTileClass::Draw(uint8_t faceStyle, int32_t left, int32_t top, TTileTarget& target) const
{
    if (faceStyle > 1)
        return;
    int row = Face < FacesPerSheetRow ? 0 : 1;
    const int column = Face % FacesPerSheetRow;
    if (Selected || Hinted)
        row += HighlightRowOffset;
    target.CopyFaceCell(faceStyle, column * TileWidth, row * TileHeight, left, top);
}
