#pragma once

#include <cstdint>
#include <string>

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

// A cell of a face sheet, counted in cells (40 x 56 pixels).
struct TFaceCell {
    int32_t Column;
    int32_t Row;

    bool operator==(const TFaceCell&) const = default;
};

// Rows per picture block of a face sheet: faces 0-23 and 24-47 plain, then the same highlighted.
constexpr int32_t FaceBlockRows = 4;

// The blocks of a face sheet, from the top; each is laid out as the first.
enum class TFaceBlock : int32_t { HiraganaWithReading, KatakanaWithReading, Hiragana, Katakana, Reading };
constexpr int32_t FaceBlockCount = 5;

// The picture a tile shows: copy is the tile's place (0..3) in its face's block of four tiles.
TFaceBlock FaceBlock(uint8_t copy, uint8_t kana, uint8_t readings);
// The cell of that picture for a face, plain or highlighted.
TFaceCell FaceCell(uint8_t face, uint8_t copy, uint8_t kana, uint8_t readings, bool highlighted);

// The map as a won game records it: the map's name, followed by the learning modes that differ
// from the defaults, e.g. "Babel / katakana / kana or reading". No comma, for the export's columns.
std::string ScoreMapText(uint8_t mapNumber, uint8_t kana, uint8_t readings);
