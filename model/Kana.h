#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/LearningModes.h"
#include "model/TileUnit.h"

// The two scripts a tile can show.
enum class TScript : uint8_t { Hiragana, Katakana };
inline constexpr int ScriptCount = 2;

// What each of the 48 faces stands for, in face order (tile n carries face (n - 1) / 4).
struct TFaceKana {
    std::string_view Hiragana;  // UTF-8
    std::string_view Katakana;
    std::string_view Reading;
};

inline constexpr std::array<TFaceKana, FaceCount> FaceKana{{
    {"あ", "ア", "a"},   {"い", "イ", "i"},   {"え", "エ", "e"},     {"お", "オ", "o"},
    {"か", "カ", "ka"},  {"き", "キ", "ki"},  {"す", "ス", "su"},    {"け", "ケ", "ke"},
    {"さ", "サ", "sa"},  {"し", "シ", "shi"}, {"つ", "ツ", "tsu"},   {"て", "テ", "te"},
    {"に", "ニ", "ni"},  {"と", "ト", "to"},  {"ふ", "フ", "fu"},    {"ほ", "ホ", "ho"},
    {"む", "ム", "mu"},  {"め", "メ", "me"},  {"も", "モ", "mo"},    {"や", "ヤ", "ya"},
    {"れ", "レ", "re"},  {"を", "ヲ", "wo"},  {"わ", "ワ", "wa"},    {"ゐ", "ヰ", "wi"},
    {"こ", "コ", "ko"},  {"ね", "ネ", "ne"},  {"の", "ノ", "no"},    {"う", "ウ", "u"},
    {"く", "ク", "ku"},  {"せ", "セ", "se"},  {"そ", "ソ", "so"},    {"た", "タ", "ta"},
    {"ち", "チ", "chi"}, {"は", "ハ", "ha"},  {"ひ", "ヒ", "hi"},    {"な", "ナ", "na"},
    {"ぬ", "ヌ", "nu"},  {"へ", "ヘ", "he"},  {"ま", "マ", "ma"},    {"み", "ミ", "mi"},
    {"ゆ", "ユ", "yu"},  {"よ", "ヨ", "yo"},  {"ら", "ラ", "ra"},    {"り", "リ", "ri"},
    {"る", "ル", "ru"},  {"ろ", "ロ", "ro"},  {"ん", "ン", "n"},     {"ゑ", "ヱ", "we"},
}};

constexpr std::string_view KanaOf(uint8_t face, TScript script)
{
    return script == TScript::Hiragana ? FaceKana[face].Hiragana : FaceKana[face].Katakana;
}

// The face with that reading; FaceCount when there is none.
constexpr uint8_t FaceOfReading(std::string_view reading)
{
    uint8_t face = 0;
    while (face < FaceCount && FaceKana[face].Reading != reading)
        ++face;
    return face;
}

// The script copy (0..3) of a face shows under the kana setting: 0 hiragana, 1 katakana, 2 hiragana
// on copies 0 and 1 and katakana on copies 2 and 3. Another setting reads like 0.
constexpr TScript ScriptOfCopy(uint8_t copy, uint8_t kana)
{
    if (kana == KanaSetting::Katakana || (kana == KanaSetting::Both && copy >= 2))
        return TScript::Katakana;
    return TScript::Hiragana;
}

// Tile n is copy (n - 1) mod 4 of its face.
constexpr TScript ScriptOfTile(uint8_t number, uint8_t kana)
{
    return ScriptOfCopy(static_cast<uint8_t>((number - 1) % 4), kana);
}
