#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/FacePicture.h"
#include "model/KanaCatalogue.h"
#include "model/LearningModes.h"
#include "model/TileUnit.h"

// The face with that reading in the designed game; FaceCount when there is none.
constexpr uint8_t FaceOfReading(std::string_view reading)
{
    const TKanaId id = KanaOfReading(reading);
    return id < FaceCount ? id : static_cast<uint8_t>(FaceCount);
}

// The script copy (0..3) of a face shows under the kana setting: 0 hiragana, 1 katakana, 2 hiragana
// on copies 0 and 1 and katakana on copies 2 and 3. Another setting reads like 0.
constexpr TScript ScriptOfCopy(uint8_t copy, uint8_t kana)
{
    if (kana == KanaSetting::Katakana || (kana == KanaSetting::Both && copy >= 2))
        return TScript::Katakana;
    return TScript::Hiragana;
}

// Whether copy (0..3) of a face shows its kana under the readings setting: with kana-or-reading
// pairs, copies 1 and 3 show the reading alone, and so no script.
constexpr bool ShowsKana(uint8_t copy, uint8_t readings)
{
    return readings != ReadingsSetting::KanaOrReading || copy % 2 == 0;
}

// The script tile n shows under the settings; none when it shows only its reading.
constexpr std::optional<TScript> SeenScript(uint8_t number, uint8_t kana, uint8_t readings)
{
    const auto copy = static_cast<uint8_t>((number - 1) % 4);
    if (!ShowsKana(copy, readings))
        return std::nullopt;
    return ScriptOfCopy(copy, kana);
}
