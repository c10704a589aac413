#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Recognition.h"

inline constexpr size_t KeptSamples = 20;

// What is kept of one kana in one script: its latest recognition times and its hints.
struct TKanaProgress {
    std::vector<int32_t> Samples;  // seconds, oldest first, at most KeptSamples
    int32_t Hints = 0;

    bool operator==(const TKanaProgress&) const = default;
};

// One script's kana, by face.
using TScriptProgress = std::array<TKanaProgress, FaceCount>;

// Adds a pair's sample: a time (dropping the oldest past KeptSamples) or a hint.
void AddSample(TKanaProgress& progress, const TRecognitionSample& sample);

// The stored text: the hints, a semicolon, the seconds separated by commas ("2;14,9,31").
std::string ProgressText(const TKanaProgress& progress);
// None for a text the game did not write: damaged, foreign, or more samples than are kept.
std::optional<TKanaProgress> ParseProgressText(std::string_view text);

// The value's name under the progress key: "hiragana_ka", "katakana_shi" ..., and for typed
// recall "typed_hiragana_ka" ...
std::string ProgressValueName(TScript script, uint8_t face, bool typed = false);
std::string SampleValueName(const TRecognitionSample& sample);
