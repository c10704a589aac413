#pragma once

#include <cstdint>

#include "model/KanaCatalogue.h"

// The two scripts a tile can show.
enum class TScript : uint8_t { Hiragana, Katakana };
inline constexpr int ScriptCount = 2;

// What a tile face shows: the kana with its reading small below it, the kana alone, or the
// reading alone in large letters.
enum class TFaceShows : uint8_t { KanaWithReading, Kana, Reading };

// Everything that makes a face's pixels but their scale: the catalogue kana, its script, what the
// face shows, the artwork (0 pastel, 1 maroon) and the highlighted plate of a selected or hinted tile.
struct TFacePicture {
    TKanaId Kana = 0;
    TScript Script = TScript::Hiragana;
    TFaceShows Shows = TFaceShows::KanaWithReading;
    uint8_t Artwork = 0;
    bool Highlighted = false;

    bool operator==(const TFacePicture&) const = default;
};
