#include "model/LearningModes.h"

#include "model/Kana.h"
#include "model/KanaSets.h"
#include "model/MapUnit.h"

namespace {

constexpr int32_t FacesPerSheetRow = 24;
constexpr int32_t HighlightRowOffset = 2;
constexpr int32_t BlockRows = 4;

// The face sheets' blocks, from the top.
enum class TFaceBlock : int32_t { HiraganaWithReading, KatakanaWithReading, Hiragana, Katakana, Reading };

bool ShowsKatakana(uint8_t copy, uint8_t kana)
{
    return ScriptOfCopy(copy, kana) == TScript::Katakana;
}

const char* KanaName(uint8_t kana)
{
    switch (kana) {
    case KanaSetting::Katakana: return "katakana";
    case KanaSetting::Both: return "hiragana and katakana";
    default: return nullptr;
    }
}

const char* KanaSetName(uint8_t kanaSet)
{
    switch (kanaSet) {
    case KanaSetSetting::Voiced: return "basic and voiced kana";
    case KanaSetSetting::All: return "all kana";
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

TFaceBlock FaceBlock(uint8_t copy, uint8_t kana, uint8_t readings)
{
    const bool katakana = ShowsKatakana(copy, kana);
    switch (readings) {
    case ReadingsSetting::KanaOnly: return katakana ? TFaceBlock::Katakana : TFaceBlock::Hiragana;
    case ReadingsSetting::KanaOrReading:
        if (copy % 2 == 1)
            return TFaceBlock::Reading;
        return katakana ? TFaceBlock::Katakana : TFaceBlock::Hiragana;
    default: return katakana ? TFaceBlock::KatakanaWithReading : TFaceBlock::HiraganaWithReading;
    }
}

}  // namespace

TFaceCell FaceCell(uint8_t face, uint8_t copy, uint8_t kana, uint8_t readings, bool highlighted)
{
    const int32_t block = static_cast<int32_t>(FaceBlock(copy, kana, readings));
    const int32_t row = block * BlockRows + face / FacesPerSheetRow + (highlighted ? HighlightRowOffset : 0);
    return {face % FacesPerSheetRow, row};
}

std::string ScoreMapText(uint8_t mapNumber, uint8_t kana, uint8_t readings, uint8_t kanaSet)
{
    std::string text = MapName(mapNumber);
    for (const char* mode : {KanaSetName(kanaSet), KanaName(kana), ReadingsName(readings)})
        if (mode)
            text += std::string(" / ") + mode;
    return text;
}
