#pragma once

#include <array>
#include <cstdint>

#include "model/KanaCatalogue.h"

// The colours of the tile faces, as 0xRRGGBB.
namespace face_colours {

// By TVowel: the plate of artwork 0 and the character of artwork 1. ん keeps the pink of the o row.
struct TVowelColours {
    uint32_t Plate;
    uint32_t Character;
};
inline constexpr std::array<TVowelColours, 6> Vowels{{
    {0xf5f988, 0xffff00},  // a: yellow
    {0xfcb181, 0xff6600},  // i: orange
    {0xcdd0fc, 0x00ffff},  // u: blue
    {0xacf49f, 0x00ff00},  // e: green
    {0xf9bebd, 0xff00ff},  // o: pink
    {0xf9bebd, 0xff00ff},  // n: pink
}};

inline constexpr uint32_t Corner = 0x000000;
inline constexpr uint32_t Outline = 0x666633;
inline constexpr uint32_t Band = 0x999966;
inline constexpr uint32_t Bevel = 0xffffff;
inline constexpr uint32_t Shade = 0xcc99cc;

// Artwork 0: pastel plates, dark blue characters, black readings.
inline constexpr uint32_t Ink0 = 0x000099;
inline constexpr uint32_t Reading0 = 0x000000;
inline constexpr uint32_t Highlight0 = 0x9966cc;
// Artwork 1: maroon plates, bright characters with a white edge and a grey shadow, white readings.
inline constexpr uint32_t Plate1 = 0x660033;
inline constexpr uint32_t Edge1 = 0xffffff;
inline constexpr uint32_t Shadow1 = 0x666666;
inline constexpr uint32_t Reading1 = 0xffffff;
inline constexpr uint32_t Highlight1 = 0x999999;

}  // namespace face_colours
