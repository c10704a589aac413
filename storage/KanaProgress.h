#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Recognition.h"

inline constexpr size_t KeptSamples = 20;
inline constexpr size_t KeptMixUps = 100;

// What is kept of one kana in one script: its latest recognition times and its hints.
struct TKanaProgress {
    std::vector<int32_t> Samples;  // tenths of a second (whole seconds in the earlier value), oldest first, at most KeptSamples
    int32_t Hints = 0;

    bool operator==(const TKanaProgress&) const = default;
};

// One script's kana, by catalogue id.
using TScriptProgress = std::array<TKanaProgress, CatalogueSize>;

// Adds a pair's sample: a time (dropping the oldest past KeptSamples) or a hint.
void AddSample(TKanaProgress& progress, const TRecognitionSample& sample);

// The same sample in whole seconds, as the earlier release kept it.
TRecognitionSample InWholeSeconds(TRecognitionSample sample);

// The stored text: the hints, a semicolon, the times separated by commas ("2;14,9,31").
std::string ProgressText(const TKanaProgress& progress);
// None for a text the game did not write: damaged, foreign, or more samples than are kept.
std::optional<TKanaProgress> ParseProgressText(std::string_view text);

// The value's name under the progress key: "hiragana_ka", "katakana_shi" ... It holds whole
// seconds, as the earlier release wrote and reads them; the times in tenths are kept beside it,
// under the name with "_tenths" after it. Recall (pairs taken by typing the reading of tiles that
// showed the kana alone) is kept in tenths only, under "typed_" and that name: "typed_hiragana_ka_tenths".
std::string ProgressValueName(TScript script, TKanaId kana);
std::string ProgressTenthsName(TScript script, TKanaId kana, bool typed = false);
std::string SampleTenthsName(const TRecognitionSample& sample);

// The latest mix-ups, oldest first, as one value under the progress key: each the two kana's value
// names joined by "+", separated by commas ("katakana_shi+katakana_tsu,hiragana_ne+hiragana_re").
inline constexpr std::string_view MixUpsValueName = "mixups";
std::string MixUpsText(const std::vector<TMixUp>& mixUps);
// None for a text the game did not write.
std::optional<std::vector<TMixUp>> ParseMixUpsText(std::string_view text);
// Adds the mix-ups after the kept ones, dropping the oldest past KeptMixUps.
void AddMixUps(std::vector<TMixUp>& kept, const std::vector<TMixUp>& added);
