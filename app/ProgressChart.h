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
inline constexpr std::array<std::string_view, 3> Charts{"Basic", "Voiced", "Combined"};  // by TChartKind
inline constexpr std::string_view TimeMeaning =
    "Time: the median of the latest 20, each from the moment two tiles of a kana first lie free to the moment the pair is taken.";
inline constexpr std::string_view HintMeaning = "1 hint: a hint once showed the kana's pair; a hinted pair gives no time.";
inline constexpr std::string_view NoTime = "no time yet";
// Asked before a reset clears the script's data.
std::string ResetQuestion(TScript script);
}  // namespace ProgressTexts

// The three charts: the basic kana (rows a, ka, sa, ta, na, ha, ma, ya, ra, wa, n by columns a, i,
// u, e, o), the voiced (rows g, z, d, b, p by the same columns) and the combined (rows ky, sh, ch,
// ny, hy, my, ry, gy, j, by, py by columns ya, yu, yo).
enum class TChartKind : uint8_t { Basic, Voiced, Combined };
inline constexpr int ChartKindCount = 3;

// The largest grid, which every chart's place is made for.
inline constexpr int ChartRows = 11;
inline constexpr int ChartColumns = 5;

// Cell colours as 0xRRGGBB on one scale in seconds, the same for every script and chart: a kana
// recognised at a glance is quick, one that needs a search slow.
inline constexpr uint32_t QuickColour = 0x8fd694;
inline constexpr uint32_t MiddleColour = 0xf6e27f;
inline constexpr uint32_t SlowColour = 0xf2877a;
inline constexpr uint32_t NoTimeColour = 0xd9d9d9;
inline constexpr double QuickSeconds = 1.5;   // and quicker
inline constexpr double MiddleSeconds = 4;
inline constexpr double SlowSeconds = 10;  // and slower
uint32_t TimeColour(double seconds);

// The legend under the chart: the colour of each time named, then the grey of no time.
struct TLegendEntry {
    uint32_t Colour;
    std::string Text;
};
std::vector<TLegendEntry> ChartLegend();

struct TChartCell {
    TKanaId Id = 0;
    int Row = 0;
    int Column = 0;
    std::string_view Kana;  // UTF-8, in the chart's script
    std::string_view Reading;
    std::optional<double> Median;  // seconds; none before the first time
    int32_t Hints = 0;
    uint32_t Colour = NoTimeColour;
    std::string TimeText;   // "12.0 s", "6.5 s"; empty without a time
    std::string HintsText;  // "1 hint", "3 hints"; empty without hints
    std::string TypedText;  // "typed 4.0 s": the median of the pairs taken by typing the reading of
                            // the kana alone; empty without one
};

struct TProgressChart {
    std::vector<TChartCell> Cells;  // in chart order: a i u e o, ka ki ku ke ko ... wa wi we wo n
    std::string SlowestText;        // names the five slowest kana of the set, slowest first
    std::string MixUpsText;         // names the kana most often taken for each other
};

// The chart of the script's kana (times in tenths), of the mix-ups with one of them, and of the
// kana's typed recall (times in tenths); the five slowest are named across the catalogue's first
// slowestAmong kana (the kana set in force), whichever chart is shown.
TProgressChart ProgressChart(TScript script, const TScriptProgress& progress, const std::vector<TMixUp>& mixUps = {},
                             const TScriptProgress& typed = {}, TChartKind kind = TChartKind::Basic,
                             int slowestAmong = FaceCount);

// A time in seconds, to a tenth: "1.4 s".
std::string SecondsText(double seconds);

// The middle time, or the mean of the two middle ones; the samples must not be empty.
double Median(std::vector<int32_t> samples);
