#include "app/ProgressChart.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int SlowestNamed = 5;

// Each row of the chart by reading; "" leaves the place empty.
constexpr std::array<std::array<std::string_view, ChartColumns>, ChartRows> ChartReadings{{
    {"a", "i", "u", "e", "o"},
    {"ka", "ki", "ku", "ke", "ko"},
    {"sa", "shi", "su", "se", "so"},
    {"ta", "chi", "tsu", "te", "to"},
    {"na", "ni", "nu", "ne", "no"},
    {"ha", "hi", "fu", "he", "ho"},
    {"ma", "mi", "mu", "me", "mo"},
    {"ya", "", "yu", "", "yo"},
    {"ra", "ri", "ru", "re", "ro"},
    {"wa", "wi", "", "we", "wo"},
    {"n", "", "", "", ""},
}};

constexpr bool EveryFaceOnceInTheChart()
{
    std::array<int, FaceCount + 1> seen{};
    for (const auto& row : ChartReadings)
        for (std::string_view reading : row)
            if (!reading.empty())
                ++seen[FaceOfReading(reading)];
    return seen[FaceCount] == 0 && std::all_of(seen.begin(), seen.end() - 1, [](int count) { return count == 1; });
}
static_assert(EveryFaceOnceInTheChart());

uint32_t Blend(uint32_t from, uint32_t to, double t)
{
    uint32_t colour = 0;
    for (int shift : {16, 8, 0}) {
        const double a = (from >> shift) & 0xFF;
        const double b = (to >> shift) & 0xFF;
        colour |= static_cast<uint32_t>(std::lround(a + (b - a) * t)) << shift;
    }
    return colour;
}

// Position t from 0 (quick) to 1 (slow) on the scale.
uint32_t ScaleColour(double t)
{
    return t < 0.5 ? Blend(QuickColour, MiddleColour, t * 2) : Blend(MiddleColour, SlowColour, t * 2 - 1);
}

std::string SecondsText(double seconds)
{
    const long tenths = std::lround(seconds * 10);
    return std::to_string(tenths / 10) + (tenths % 10 != 0 ? "." + std::to_string(tenths % 10) : "") + " s";
}

std::string HintsText(int32_t hints)
{
    if (hints == 0)
        return "";
    return std::to_string(hints) + (hints == 1 ? " hint" : " hints");
}

// Times spread over a wide range: the scale runs on their logarithms, so that a few slow kana do
// not leave every other one the same quick colour.
void Colour(std::array<TChartCell, FaceCount>& cells)
{
    double quickest = HUGE_VAL;
    double slowest = 0;
    for (const TChartCell& cell : cells)
        if (cell.Median) {
            quickest = std::min(quickest, std::log1p(*cell.Median));
            slowest = std::max(slowest, std::log1p(*cell.Median));
        }
    for (TChartCell& cell : cells)
        if (cell.Median)
            cell.Colour = ScaleColour(slowest > quickest ? (std::log1p(*cell.Median) - quickest) / (slowest - quickest) : 0);
}

std::string SlowestText(const std::array<TChartCell, FaceCount>& cells)
{
    std::vector<const TChartCell*> timed;
    for (const TChartCell& cell : cells)
        if (cell.Median)
            timed.push_back(&cell);
    if (timed.empty())
        return "No times yet: they come with the pairs you take.";
    std::stable_sort(timed.begin(), timed.end(), [](const TChartCell* a, const TChartCell* b) { return *a->Median > *b->Median; });
    std::string text = "Slowest: ";
    for (size_t i = 0; i < timed.size() && i < SlowestNamed; ++i)
        text += (i == 0 ? "" : ", ") + std::string(timed[i]->Kana) + " " + std::string(timed[i]->Reading) + " " + timed[i]->TimeText;
    return text;
}

}  // namespace

std::string ProgressTexts::ResetQuestion(TScript script)
{
    return "Clear every " + std::string(Scripts[static_cast<size_t>(script)]) + " time and hint?";
}

double Median(std::vector<int32_t> samples)
{
    const size_t middle = samples.size() / 2;
    std::nth_element(samples.begin(), samples.begin() + middle, samples.end());
    const double upper = samples[middle];
    if (samples.size() % 2 != 0)
        return upper;
    return (upper + *std::max_element(samples.begin(), samples.begin() + middle)) / 2;
}

TProgressChart ProgressChart(TScript script, const TScriptProgress& progress, const TScriptProgress& typed)
{
    TProgressChart chart;
    size_t next = 0;
    for (int row = 0; row < ChartRows; ++row)
        for (int column = 0; column < ChartColumns; ++column) {
            const std::string_view reading = ChartReadings[row][column];
            if (reading.empty())
                continue;
            TChartCell& cell = chart.Cells[next++];
            cell.Face = FaceOfReading(reading);
            cell.Row = row;
            cell.Column = column;
            cell.Kana = KanaOf(cell.Face, script);
            cell.Reading = reading;
            const TKanaProgress& kana = progress[cell.Face];
            if (!kana.Samples.empty()) {
                cell.Median = Median(kana.Samples);
                cell.TimeText = SecondsText(*cell.Median);
            }
            cell.Hints = kana.Hints;
            cell.HintsText = HintsText(kana.Hints);
            if (const std::vector<int32_t>& recalled = typed[cell.Face].Samples; !recalled.empty())
                cell.TypedText = "typed " + SecondsText(Median(recalled));
        }
    Colour(chart.Cells);
    chart.SlowestText = SlowestText(chart.Cells);
    return chart;
}
