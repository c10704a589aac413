#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/MemoryTable.h"
#include "storage/KanaMemoryText.h"
#include "storage/KanaProgress.h"

// The Progress window's texts.
namespace ProgressTexts {
inline constexpr std::string_view Title = "Tesuli Progress";
inline constexpr std::string_view Command = "Progress";  // in the Game menu, after "View Scores"
inline constexpr std::array<std::string_view, ScriptCount> Scripts{"Hiragana", "Katakana"};  // by TScript
inline constexpr std::string_view Reset = "Reset";
inline constexpr std::array<std::string_view, 3> Charts{"Basic", "Voiced", "Combined"};  // by TChartKind
inline constexpr std::string_view RecallMeaning =
    "Colour: the chance that you recall the kana today, from every game so far. Below 90 % it is due: "
    "a review deal brings it back.";
inline constexpr std::string_view TimeMeaning =
    "Time: the median of your latest 20, each from when the pair lay free and you had made your last move to when "
    "you took it. A hint gives no time.";
inline constexpr std::string_view NotReviewed = "not reviewed";
inline constexpr std::string_view DueCaption = "Kana due in the next 7 days";
inline constexpr std::string_view GamesCaption = "Games played, last 14 days";
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

// Cell colours as 0xRRGGBB on one scale of today's predicted recall, the same for every script and
// chart: green for a kana well remembered, yellow where it falls due, red for one nearly forgotten.
inline constexpr uint32_t RecalledColour = 0x8fd694;
inline constexpr uint32_t DueColour = 0xf6e27f;
inline constexpr uint32_t ForgottenColour = 0xf2877a;
inline constexpr uint32_t NotReviewedColour = 0xd9d9d9;
inline constexpr double RecalledAt = 0.97;  // and more
inline constexpr double ForgottenAt = 0.7;  // and less; DueRecall between
uint32_t RecallColour(double recall);

// The plots' bars.
inline constexpr uint32_t DueBarColour = 0xf2b36b;
inline constexpr uint32_t GamesBarColour = 0x86aee0;
inline constexpr int ForecastDays = 7;
inline constexpr int PlayedDays = 14;

// The legend under the chart: the colour of each recall named, then the grey of a kana not reviewed.
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
    std::optional<double> Recall;  // today, by matching; none for a kana never reviewed
    uint32_t Colour = NotReviewedColour;
    std::string RecallText;  // "recall 93 %" or "not reviewed"
    std::string TimeText;   // "12.0 s", "6.5 s"; empty without a time
    std::string HintsText;  // "1 hint", "3 hints"; empty without hints
    std::string TypedText;  // "typed 85 %": today's recall of the sound from the kana alone, typed;
                            // empty before its first review
};

// What the memories add to the chart: they are read as of today.
struct TMemoryView {
    TMemoryTable Memories;
    int32_t Today = 0;
    TGameDays GameDays;
};

struct TProgressChart {
    std::vector<TChartCell> Cells;  // in chart order: a i u e o, ka ki ku ke ko ... wa wi we wo n
    std::string SlowestText;        // names the five slowest kana of the set, slowest first
    std::string MixUpsText;         // names the kana most often taken for each other
    // Of the script's kana in the set, by matching: learned (recall today DueRecall or more), due,
    // and never reviewed, and a sentence that says so.
    int Learned = 0;
    int Due = 0;
    int NotReviewed = 0;
    std::string CountsText;
    std::array<int, ForecastDays> DueForecast{};  // kana falling due today (with those overdue), tomorrow ...
    std::array<int, PlayedDays> GamesPerDay{};    // 13 days ago ... today
};

// The chart of the script's kana (times in tenths), of the mix-ups with one of them, and of their
// memories; the five slowest are named and the kana counted across the catalogue's first
// setSize kana (the kana set in force), whichever chart is shown.
TProgressChart ProgressChart(TScript script, const TScriptProgress& progress, const std::vector<TMixUp>& mixUps = {},
                             const TMemoryView& memory = {}, TChartKind kind = TChartKind::Basic, int setSize = FaceCount);

// "93 %", rounded down.
std::string PercentText(double fraction);

// A time in seconds, to a tenth: "1.4 s".
std::string SecondsText(double seconds);

// The middle time, or the mean of the two middle ones; the samples must not be empty.
double Median(std::vector<int32_t> samples);
