#include "model/TileUnit.h"

#include "model/LearningModes.h"
#include "model/TilePlacement.h"

TTileClass::TTileClass(uint8_t number) : Number(number), Face(static_cast<uint8_t>((number - 1) / 4)) {}

void TTileClass::Draw(const TTileLook& look, int32_t left, int32_t top, TTileTarget& target) const
{
    if (look.FaceStyle > 1)
        return;
    const uint8_t copy = static_cast<uint8_t>((Number - 1) % 4);
    const TFaceCell cell = FaceCell(Face, copy, look.Kana, look.Readings, Selected || Hinted);
    target.CopyFaceCell(look.FaceStyle, cell.Column * TileWidth, cell.Row * TileHeight, left, top);
}
