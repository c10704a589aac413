#include "model/TileUnit.h"

#include "model/LearningModes.h"

TTileClass::TTileClass(uint8_t number) : Number(number), Face(static_cast<uint8_t>((number - 1) / 4)) {}

TFacePicture TTileClass::Picture(const TTileLook& look, TKanaId kana) const
{
    const uint8_t copy = static_cast<uint8_t>((Number - 1) % 4);
    return TilePicture(kana, copy, look.Kana, look.Readings, look.FaceStyle, Selected || Hinted);
}
