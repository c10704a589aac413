#pragma once

#include "tests/support/GuiFixture.h"

#include <cstdint>
#include <ostream>
#include <vector>

struct TStoredSettings {
    uint32_t Face;
    uint32_t Background;
    uint32_t MapId;
    uint32_t HintSpeed;
    uint32_t Kana = 0;
    uint32_t Readings = 0;
    uint32_t KanaSet = 0;
    uint32_t Practice = 0;
    bool operator==(const TStoredSettings&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TStoredSettings& stored);

// The settings key with exactly these eight values (everything else in the store is gone).
void SeedSettings(const TStoredSettings& settings);
TStoredSettings StoredSettings();
// A setting stored as text, which the game cannot read as a number.
void StoreSettingAsText(const char* name);
// From now on the store can be neither opened nor created; SeedSettings makes it usable again.
void MakeStoreUnusable();
