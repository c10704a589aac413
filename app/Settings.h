#pragma once

#include <cstdint>

#include "storage/RegistryUnit.h"

// The store and the options dialog count maps from 0 (the map id), the game from 1 (the map number).
constexpr uint8_t MapNumberOf(uint8_t mapId) { return static_cast<uint8_t>(mapId + 1); }

// The eight settings as they are stored and as the options dialog shows them.
struct TSettings {
    uint8_t FaceStyle = DefaultFace;
    uint8_t BackgroundIndex = DefaultBackground;
    uint8_t MapId = DefaultMapId;
    uint8_t HintSpeed = DefaultHintSpeed;
    uint8_t Kana = DefaultKana;          // learning modes: see model/LearningModes.h
    uint8_t Readings = DefaultReadings;
    uint8_t KanaSet = DefaultKanaSet;  // see model/KanaSets.h
    uint8_t Practice = DefaultPractice;  // 1: deal the player's slow kana

    bool operator==(const TSettings&) const = default;
};
