#include "model/LearningModes.h"

#include "model/Kana.h"
#include "model/MapUnit.h"

namespace {

const char* KanaName(uint8_t kana)
{
    switch (kana) {
    case KanaSetting::Katakana: return "katakana";
    case KanaSetting::Both: return "hiragana and katakana";
    default: return nullptr;
    }
}

const char* ReadingsName(uint8_t readings)
{
    switch (readings) {
    case ReadingsSetting::KanaOnly: return "kana only";
    case ReadingsSetting::KanaOrReading: return "kana or reading";
    default: return nullptr;
    }
}

TFaceShows Shows(uint8_t copy, uint8_t readings)
{
    switch (readings) {
    case ReadingsSetting::KanaOnly: return TFaceShows::Kana;
    case ReadingsSetting::KanaOrReading: return ShowsKana(copy, readings) ? TFaceShows::Kana : TFaceShows::Reading;
    default: return TFaceShows::KanaWithReading;
    }
}

}  // namespace

TFacePicture TilePicture(TKanaId kana, uint8_t copy, uint8_t kanaSetting, uint8_t readings, uint8_t artwork,
                         bool highlighted)
{
    return {kana, ScriptOfCopy(copy, kanaSetting), Shows(copy, readings), artwork, highlighted};
}

std::string ScoreMapText(uint8_t mapNumber, uint8_t kana, uint8_t readings)
{
    std::string text = MapName(mapNumber);
    for (const char* mode : {KanaName(kana), ReadingsName(readings)})
        if (mode)
            text += std::string(" / ") + mode;
    return text;
}
