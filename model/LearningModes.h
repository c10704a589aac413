#pragma once

#include <cstdint>
#include <string>

#include "model/FacePicture.h"

// The learning modes: which script a tile shows (Kana) and whether it shows its reading (Readings).
// A value outside the range is taken as the default, 0.
namespace KanaSetting {
constexpr uint8_t Hiragana = 0;
constexpr uint8_t Katakana = 1;
constexpr uint8_t Both = 2;  // copies 0 and 1 of a face hiragana, copies 2 and 3 katakana
}  // namespace KanaSetting

namespace ReadingsSetting {
constexpr uint8_t KanaAndReading = 0;
constexpr uint8_t KanaOnly = 1;
constexpr uint8_t KanaOrReading = 2;  // copies 0 and 2 of a face the kana alone, copies 1 and 3 the reading alone
}  // namespace ReadingsSetting

// The picture of a tile standing for the catalogue kana `kana`, plain or highlighted: copy is the
// tile's place (0..3) in its face's four tiles (tile n is copy (n - 1) mod 4 of face (n - 1) div 4).
TFacePicture TilePicture(TKanaId kana, uint8_t copy, uint8_t kanaSetting, uint8_t readings, uint8_t artwork,
                         bool highlighted);

// The map as a won game records it: the map's name, followed by the learning modes that differ
// from the defaults, e.g. "Babel / katakana / kana or reading". No comma, for the export's columns.
std::string ScoreMapText(uint8_t mapNumber, uint8_t kana, uint8_t readings);
