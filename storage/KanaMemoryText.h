#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Grading.h"

// The value's name under the progress key: "hiragana_ka_memory", "typed_katakana_shi_memory".
std::string MemoryValueName(TSeenKana kana, TReviewKind kind);

// Stability in days, difficulty and the day of the last review, separated by semicolons
// ("3.173;5.2801;20430"); the empty text for a kana never reviewed.
std::string MemoryText(const TKanaMemory& memory);
// None for a text the game did not write.
std::optional<TKanaMemory> ParseMemoryText(std::string_view text);

// The games played on each day, oldest first: at most KeptGameDays days that had a game.
inline constexpr size_t KeptGameDays = 60;
inline constexpr std::string_view GameDaysValueName = "games";
using TGameDays = std::vector<std::pair<int32_t, int32_t>>;  // day number, games
// "20430:3,20431:1"
std::string GameDaysText(const TGameDays& days);
std::optional<TGameDays> ParseGameDaysText(std::string_view text);
// One more game on that day.
void AddGame(TGameDays& days, int32_t day);
