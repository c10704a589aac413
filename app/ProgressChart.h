#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/KanaProgress.h"

// The Progress window's texts.
namespace ProgressTexts {
inline constexpr std::string_view Title = "Tesuli Progress";
inline constexpr std::string_view Command = "Progress";  // in the Game menu, after "View Scores"
inline constexpr std::array<std::string_view, ScriptCount> Scripts{"Hiragana", "Katakana"};  // by TScript
inline constexpr std::string_view Reset = "Reset";
// Asked before a reset clears the script's data.
std::string ResetQuestion(TScript script);
}  // namespace ProgressTexts

// The chart's grid: rows a, ka, sa, ta, na, ha, ma, ya, ra, wa, n; columns a, i, u, e, o.
inline constexpr int ChartRows = 11;
inline constexpr int ChartColumns = 5;

// Cell colours as 0xRRGGBB: one scale from the script's quickest median to its slowest.
inline constexpr uint32_t QuickColour = 0x8fd694;
inline constexpr uint32_t MiddleColour = 0xf6e27f;
inline constexpr uint32_t SlowColour = 0xf2877a;
inline constexpr uint32_t NoTimeColour = 0xd9d9d9;

struct TChartCell {
    uint8_t Face = 0;
    int Row = 0;
    int Column = 0;
    std::string_view Kana;  // UTF-8, in the chart's script
    std::string_view Reading;
    std::optional<double> Median;  // seconds; none before the first time
    int32_t Hints = 0;
    uint32_t Colour = NoTimeColour;
    std::string TimeText;   // "12 s", "6.5 s"; empty without a time
    std::string HintsText;  // "1 hint", "3 hints"; empty without hints
    std::string TypedText;  // "typed 4 s": the median of the pairs taken by typing the reading of
                            // the kana alone; empty without one
};

struct TProgressChart {
    std::array<TChartCell, FaceCount> Cells;  // in chart order: a i u e o, ka ki ku ke ko ... wa wi we wo n
    std::string SlowestText;                   // names the five slowest kana, slowest first
};

TProgressChart ProgressChart(TScript script, const TScriptProgress& progress, const TScriptProgress& typed = {});

// The middle time, or the mean of the two middle ones; the samples must not be empty.
double Median(std::vector<int32_t> samples);
