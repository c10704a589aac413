#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/Game.h"

// The eight settings as they are stored and as the options dialog shows them. Zero-initialised:
// the defaults are DefaultSettings().
struct TSettings {
    uint8_t FaceStyle = 0;
    uint8_t BackgroundIndex = 0;
    uint8_t MapId = 0;  // counted from 0; the game's map number from 1
    uint8_t HintSpeed = 0;
    uint8_t Kana = 0;  // learning modes: see model/LearningModes.h
    uint8_t Readings = 0;
    uint8_t KanaSet = 0;  // see model/KanaSets.h
    uint8_t Practice = 0;  // 1: deal the player's slow kana

    bool operator==(const TSettings&) const = default;
};

// The store and the options dialog count maps from 0 (the map id), the game from 1 (the map number).
constexpr uint8_t MapNumberOf(uint8_t mapId) { return static_cast<uint8_t>(mapId + 1); }

// A stored value that is read as its low byte, whatever it holds.
inline constexpr uint8_t AnyByte = 255;

// One setting, stated once for the store, the options dialog and the game.
struct TSettingRow {
    std::string_view Name;  // its value's name in the store
    uint8_t Default;  // what a first run writes
    uint8_t Unkeyed;  // what it reads as while the store has no key at all
    // The last value in range, from 0; a stored value beyond it reads as the default. AnyByte:
    // the low byte of any value, out of range or not.
    uint8_t Last;
    uint8_t TSettings::*Field;
    // Where it goes in the game, and whether only with the new game it starts (otherwise at once).
    void (*PutInGame)(TGame& game, uint8_t value);
    bool WithNewGame;
};

// In the order the first release wrote them: a key holding the first four is of an earlier
// release, and gains only those after them. A new setting is one row here.
inline constexpr std::array<TSettingRow, 8> SettingRows{{
    {"face", 1, 0, AnyByte, &TSettings::FaceStyle, [](TGame& game, uint8_t value) { game.FaceStyle = value; }, false},
    {"bgd", 1, 0, AnyByte, &TSettings::BackgroundIndex,
     [](TGame& game, uint8_t value) { game.BackgroundIndex = value; }, false},
    {"mapId", 0, 0, AnyByte, &TSettings::MapId,
     [](TGame& game, uint8_t value) { game.MapNumber = MapNumberOf(value); }, true},
    {"hintSpeed", 1, 1, AnyByte, &TSettings::HintSpeed, [](TGame& game, uint8_t value) { game.HintSpeed = value; },
     false},
    {"kana", 0, 0, 2, &TSettings::Kana, [](TGame& game, uint8_t value) { game.Kana = value; }, false},
    {"readings", 0, 0, 2, &TSettings::Readings, [](TGame& game, uint8_t value) { game.Readings = value; }, false},
    // The set in force is always the one the board was dealt from.
    {"kanaset", 0, 0, 2, &TSettings::KanaSet, [](TGame& game, uint8_t value) { game.KanaSet = value; }, true},
    {"practice", 0, 0, 1, &TSettings::Practice, [](TGame& game, uint8_t value) { game.Practice = value == 1; },
     false},
}};
inline constexpr size_t EarlierReleaseSettings = 4;

// The row of the value of that name; the first row for a name that is none.
constexpr const TSettingRow& Setting(std::string_view name)
{
    for (const TSettingRow& row : SettingRows)
        if (row.Name == name)
            return row;
    return SettingRows[0];
}

constexpr TSettings DefaultSettings()
{
    TSettings settings;
    for (const TSettingRow& row : SettingRows)
        settings.*row.Field = row.Default;
    return settings;
}

// Puts the settings into the game: all of them, or only those that take effect at once.
inline void PutInGame(TGame& game, const TSettings& settings, bool withNewGame)
{
    for (const TSettingRow& row : SettingRows)
        if (withNewGame || !row.WithNewGame)
            row.PutInGame(game, settings.*row.Field);
}
