#pragma once

#include <array>
#include <cstdint>

// What each of the 48 faces shows, and the colours its tiles are drawn in.
namespace artwork {

enum class TColourFamily : uint8_t { Yellow, Orange, Green, Pink, Blue };

struct TFaceArt {
    char16_t Kana;
    const char* Reading;
    TColourFamily Family;
};

using enum TColourFamily;
inline constexpr std::array<TFaceArt, 48> Faces{{
    {u'あ', "a", Yellow},   {u'い', "i", Orange},   {u'え', "e", Green},
    {u'お', "o", Pink},     {u'か', "ka", Yellow},  {u'き', "ki", Orange},
    {u'す', "su", Blue},    {u'け', "ke", Green},   {u'さ', "sa", Yellow},
    {u'し', "shi", Orange}, {u'つ', "tsu", Blue},   {u'て', "te", Green},
    {u'に', "ni", Orange},  {u'と', "to", Pink},    {u'ふ', "fu", Blue},
    {u'ほ', "ho", Pink},    {u'む', "mu", Blue},    {u'め', "me", Green},
    {u'も', "mo", Pink},    {u'や', "ya", Yellow},  {u'れ', "re", Green},
    {u'を', "wo", Pink},    {u'わ', "wa", Yellow},  {u'ゐ', "wi", Orange},
    {u'こ', "ko", Pink},    {u'ね', "ne", Green},   {u'の', "no", Pink},
    {u'う', "u", Blue},     {u'く', "ku", Blue},    {u'せ', "se", Green},
    {u'そ', "so", Pink},    {u'た', "ta", Yellow},  {u'ち', "chi", Orange},
    {u'は', "ha", Yellow},  {u'ひ', "hi", Orange},  {u'な', "na", Yellow},
    {u'ぬ', "nu", Blue},    {u'へ', "he", Green},   {u'ま', "ma", Yellow},
    {u'み', "mi", Orange},  {u'ゆ', "yu", Blue},    {u'よ', "yo", Pink},
    {u'ら', "ra", Yellow},  {u'り', "ri", Orange},  {u'る', "ru", Blue},
    {u'ろ', "ro", Pink},    {u'ん', "n", Pink},     {u'ゑ', "we", Green},
}};

// The katakana of a face's hiragana: the two scripts lie 0x60 apart in Unicode, ゐ ゑ ヰ ヱ included.
constexpr char16_t Katakana(char16_t hiragana) { return char16_t(hiragana + 0x60); }
static_assert(Katakana(u'あ') == u'ア' && Katakana(u'ゐ') == u'ヰ' && Katakana(u'ゑ') == u'ヱ' && Katakana(u'ん') == u'ン');

// What the five picture blocks of a face sheet show, from the top: the kana in one script or
// none, with its small reading below it, or the reading alone in large letters.
enum class TScript : uint8_t { None, Hiragana, Katakana };
struct TBlockArt {
    TScript Script;
    bool Reading;
};
inline constexpr std::array<TBlockArt, 5> Blocks{{
    {TScript::Hiragana, true},
    {TScript::Katakana, true},
    {TScript::Hiragana, false},
    {TScript::Katakana, false},
    {TScript::None, true},
}};

// Colours as 0xRRGGBB.
struct TFamilyColours {
    uint32_t Plate;      // artwork 0: the pastel plate
    uint32_t Character;  // artwork 1: the bright character
};

inline constexpr std::array<TFamilyColours, 5> FamilyColours{{
    {0xf5f988, 0xffff00},
    {0xfcb181, 0xff6600},
    {0xacf49f, 0x00ff00},
    {0xf9bebd, 0xff00ff},
    {0xcdd0fc, 0x00ffff},
}};

inline constexpr uint32_t Black = 0x000000;
inline constexpr uint32_t White = 0xffffff;
inline constexpr uint32_t Bevel = White;
inline constexpr uint32_t Shade = 0xcc99cc;
inline constexpr uint32_t Band = 0x999966;
inline constexpr uint32_t Outline = 0x666633;
inline constexpr uint32_t Corner = Black;

// Artwork 0: pastel plates, dark blue characters.
inline constexpr uint32_t Ink0 = 0x000099;
inline constexpr uint32_t Reading0 = Black;
inline constexpr uint32_t Highlight0 = 0x9966cc;
// Artwork 1: maroon plates, bright characters with a white edge and a grey shadow.
inline constexpr uint32_t Plate1 = 0x660033;
inline constexpr uint32_t Reading1 = White;
inline constexpr uint32_t Shadow1 = 0x666666;
inline constexpr uint32_t Highlight1 = 0x999999;

// The six background textures and the mean colour each must have.
inline constexpr std::array<uint32_t, 6> TextureMeans{0x0b6455, 0x713d28, 0x758ec0, 0xfbb64f, 0xbda582, 0x4d4d4d};

}  // namespace artwork
