#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Every kana the game can put on a tile: the designed 48 in face order, then the voiced and
// half-voiced kana, then the combined kana. An entry's index is its id; ids never change, since
// the progress store names kana by reading and a game maps its 48 faces onto ids.
using TKanaId = uint8_t;

// A plate's colour is its kana's vowel: a yellow, i orange, u blue, e green, o pink. ん has no
// vowel and keeps the pink plate its artwork has always had.
enum class TVowel : uint8_t { A, I, U, E, O, N };
enum class TKanaGroup : uint8_t { Basic, Voiced, Combined };

struct TCatalogueKana {
    std::string_view Hiragana;  // UTF-8; a combined kana is two characters, the second small
    std::string_view Katakana;
    std::string_view Reading;  // Hepburn, unique in the catalogue (ぢ "di" and づ "du")
    TVowel Vowel;
    TKanaGroup Group;
};

inline constexpr int BasicKanaCount = 48;
inline constexpr int VoicedKanaCount = 25;
inline constexpr int CombinedKanaCount = 33;
inline constexpr int CatalogueSize = BasicKanaCount + VoicedKanaCount + CombinedKanaCount;

namespace catalogue_rows {
using enum TVowel;
using enum TKanaGroup;
inline constexpr std::array<TCatalogueKana, CatalogueSize> Entries{{
    // The designed 48, in face order.
    {"あ", "ア", "a", A, Basic},    {"い", "イ", "i", I, Basic},    {"え", "エ", "e", E, Basic},
    {"お", "オ", "o", O, Basic},    {"か", "カ", "ka", A, Basic},   {"き", "キ", "ki", I, Basic},
    {"す", "ス", "su", U, Basic},   {"け", "ケ", "ke", E, Basic},   {"さ", "サ", "sa", A, Basic},
    {"し", "シ", "shi", I, Basic},  {"つ", "ツ", "tsu", U, Basic},  {"て", "テ", "te", E, Basic},
    {"に", "ニ", "ni", I, Basic},   {"と", "ト", "to", O, Basic},   {"ふ", "フ", "fu", U, Basic},
    {"ほ", "ホ", "ho", O, Basic},   {"む", "ム", "mu", U, Basic},   {"め", "メ", "me", E, Basic},
    {"も", "モ", "mo", O, Basic},   {"や", "ヤ", "ya", A, Basic},   {"れ", "レ", "re", E, Basic},
    {"を", "ヲ", "wo", O, Basic},   {"わ", "ワ", "wa", A, Basic},   {"ゐ", "ヰ", "wi", I, Basic},
    {"こ", "コ", "ko", O, Basic},   {"ね", "ネ", "ne", E, Basic},   {"の", "ノ", "no", O, Basic},
    {"う", "ウ", "u", U, Basic},    {"く", "ク", "ku", U, Basic},   {"せ", "セ", "se", E, Basic},
    {"そ", "ソ", "so", O, Basic},   {"た", "タ", "ta", A, Basic},   {"ち", "チ", "chi", I, Basic},
    {"は", "ハ", "ha", A, Basic},   {"ひ", "ヒ", "hi", I, Basic},   {"な", "ナ", "na", A, Basic},
    {"ぬ", "ヌ", "nu", U, Basic},   {"へ", "ヘ", "he", E, Basic},   {"ま", "マ", "ma", A, Basic},
    {"み", "ミ", "mi", I, Basic},   {"ゆ", "ユ", "yu", U, Basic},   {"よ", "ヨ", "yo", O, Basic},
    {"ら", "ラ", "ra", A, Basic},   {"り", "リ", "ri", I, Basic},   {"る", "ル", "ru", U, Basic},
    {"ろ", "ロ", "ro", O, Basic},   {"ん", "ン", "n", N, Basic},    {"ゑ", "ヱ", "we", E, Basic},
    // Voiced and half-voiced.
    {"が", "ガ", "ga", A, Voiced},  {"ぎ", "ギ", "gi", I, Voiced},  {"ぐ", "グ", "gu", U, Voiced},
    {"げ", "ゲ", "ge", E, Voiced},  {"ご", "ゴ", "go", O, Voiced},  {"ざ", "ザ", "za", A, Voiced},
    {"じ", "ジ", "ji", I, Voiced},  {"ず", "ズ", "zu", U, Voiced},  {"ぜ", "ゼ", "ze", E, Voiced},
    {"ぞ", "ゾ", "zo", O, Voiced},  {"だ", "ダ", "da", A, Voiced},  {"ぢ", "ヂ", "di", I, Voiced},
    {"づ", "ヅ", "du", U, Voiced},  {"で", "デ", "de", E, Voiced},  {"ど", "ド", "do", O, Voiced},
    {"ば", "バ", "ba", A, Voiced},  {"び", "ビ", "bi", I, Voiced},  {"ぶ", "ブ", "bu", U, Voiced},
    {"べ", "ベ", "be", E, Voiced},  {"ぼ", "ボ", "bo", O, Voiced},  {"ぱ", "パ", "pa", A, Voiced},
    {"ぴ", "ピ", "pi", I, Voiced},  {"ぷ", "プ", "pu", U, Voiced},  {"ぺ", "ペ", "pe", E, Voiced},
    {"ぽ", "ポ", "po", O, Voiced},
    // Combined: a kana of the i row with a small ゃ, ゅ or ょ.
    {"きゃ", "キャ", "kya", A, Combined}, {"きゅ", "キュ", "kyu", U, Combined}, {"きょ", "キョ", "kyo", O, Combined},
    {"しゃ", "シャ", "sha", A, Combined}, {"しゅ", "シュ", "shu", U, Combined}, {"しょ", "ショ", "sho", O, Combined},
    {"ちゃ", "チャ", "cha", A, Combined}, {"ちゅ", "チュ", "chu", U, Combined}, {"ちょ", "チョ", "cho", O, Combined},
    {"にゃ", "ニャ", "nya", A, Combined}, {"にゅ", "ニュ", "nyu", U, Combined}, {"にょ", "ニョ", "nyo", O, Combined},
    {"ひゃ", "ヒャ", "hya", A, Combined}, {"ひゅ", "ヒュ", "hyu", U, Combined}, {"ひょ", "ヒョ", "hyo", O, Combined},
    {"みゃ", "ミャ", "mya", A, Combined}, {"みゅ", "ミュ", "myu", U, Combined}, {"みょ", "ミョ", "myo", O, Combined},
    {"りゃ", "リャ", "rya", A, Combined}, {"りゅ", "リュ", "ryu", U, Combined}, {"りょ", "リョ", "ryo", O, Combined},
    {"ぎゃ", "ギャ", "gya", A, Combined}, {"ぎゅ", "ギュ", "gyu", U, Combined}, {"ぎょ", "ギョ", "gyo", O, Combined},
    {"じゃ", "ジャ", "ja", A, Combined},  {"じゅ", "ジュ", "ju", U, Combined},  {"じょ", "ジョ", "jo", O, Combined},
    {"びゃ", "ビャ", "bya", A, Combined}, {"びゅ", "ビュ", "byu", U, Combined}, {"びょ", "ビョ", "byo", O, Combined},
    {"ぴゃ", "ピャ", "pya", A, Combined}, {"ぴゅ", "ピュ", "pyu", U, Combined}, {"ぴょ", "ピョ", "pyo", O, Combined},
}};
}  // namespace catalogue_rows

inline constexpr const std::array<TCatalogueKana, CatalogueSize>& KanaCatalogue = catalogue_rows::Entries;

// The id of the kana with that reading; CatalogueSize when there is none.
constexpr TKanaId KanaOfReading(std::string_view reading)
{
    int id = 0;
    while (id < CatalogueSize && KanaCatalogue[size_t(id)].Reading != reading)
        ++id;
    return static_cast<TKanaId>(id);
}

namespace catalogue_checks {
constexpr bool ReadingsUnique()
{
    for (int a = 0; a < CatalogueSize; ++a)
        if (KanaOfReading(KanaCatalogue[size_t(a)].Reading) != a)
            return false;
    return true;
}
static_assert(ReadingsUnique(), "two catalogue entries share a reading");
}  // namespace catalogue_checks
