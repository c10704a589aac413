#pragma once

#include <cstdint>
#include <vector>

#include "model/KanaSets.h"
#include "storage/RegistryUnit.h"

// In practice a hint counts as a time this slow; at most KeptSamples of a kana's hints count.
inline constexpr int32_t HintPaceSeconds = 30;

// The earlier release's practice, which the learning benchmark compares the review with.
// The player's pace at each catalogue kana (by id) in the scripts that the kana setting puts on the
// board: the median of the kept times and the counted hints; a kana with neither in some script on
// the board was never timed, and of both scripts the slower counts.
std::vector<TKanaPace> PracticePaces(const TScriptProgress& hiragana, const TScriptProgress& katakana, uint8_t kana);
