#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/KanaCatalogue.h"
#include "model/RandomSource.h"
#include "model/TileUnit.h"

// Which kana a game deals from: each set is the first entries of the catalogue. A value outside
// the range is taken as the default, 0.
namespace KanaSetSetting {
constexpr uint8_t Basic = 0;  // the designed 48
constexpr uint8_t Voiced = 1;  // and the voiced and half-voiced
constexpr uint8_t All = 2;  // and the combined
}  // namespace KanaSetSetting

// How many catalogue kana the set holds.
int KanaSetSize(uint8_t kanaSet);

// How slow the player is at a kana in the scripts on the board. A kana never timed is the slowest
// of all; otherwise the larger Seconds, the slower.
struct TKanaPace {
    bool Timed = false;
    double Seconds = 0;
};

// Practice fills this many of the 48 faces with the slowest kana, about two thirds.
inline constexpr int PractisedFaces = 32;

// The catalogue kana each of the 48 faces stands for in a new game without review (practice of the
// slowest kana is the earlier release's deal, which the learning benchmark compares review with). The basic set is the designed
// game and draws nothing. A larger set without practice draws the 48 at random from the set. With
// practice, 32 are the slowest of the set by paces (indexed by kana id; a kana it lacks counts as
// never timed): the never-timed first, then the slowest, ties in random order; the other 16 are
// drawn at random from the rest of the set, so that every kana of it comes back now and then.
std::array<TKanaId, FaceCount> ChooseFaceKana(uint8_t kanaSet, bool practice, const std::vector<TKanaPace>& paces,
                                              TRandomSource& random);
