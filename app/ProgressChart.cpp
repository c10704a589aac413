#include "app/ProgressChart.h"

#include <algorithm>
#include <cmath>
#include <map>

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

constexpr int MixUpsNamed = 3;

std::string HintsText(int32_t hints)
{
    if (hints == 0)
        return "";
    return std::to_string(hints) + (hints == 1 ? " hint" : " hints");
}

std::string SeenKanaText(TSeenKana kana)
{
    return std::string(KanaOf(kana.Face, kana.Script));
}

// Names the two kana in the chart's order, whichever order they are kept in.
std::string MixUpsText(TScript script, const std::vector<TMixUp>& mixUps, const std::array<TChartCell, FaceCount>& cells)
{
    std::array<size_t, FaceCount> place{};
    for (size_t at = 0; at < cells.size(); ++at)
        place[cells[at].Face] = at;
    const auto inChartOrder = [&place](TMixUp mixUp) {
        if (std::pair(place[mixUp.Second.Face], mixUp.Second.Script) < std::pair(place[mixUp.First.Face], mixUp.First.Script))
            std::swap(mixUp.First, mixUp.Second);
        return mixUp;
    };
    std::map<TMixUp, int> counts;
    for (const TMixUp& mixUp : mixUps)
        if (mixUp.First.Script == script || mixUp.Second.Script == script)
            ++counts[mixUp];
    if (counts.empty())
        return "No mix-ups yet: a press on a tile of another kana counts as one.";
    std::vector<std::pair<TMixUp, int>> sorted(counts.begin(), counts.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::string text = "Mixed up most: ";
    for (size_t i = 0; i < sorted.size() && i < MixUpsNamed; ++i) {
        const TMixUp named = inChartOrder(sorted[i].first);
        text += (i == 0 ? "" : ", ") + SeenKanaText(named.First) + "\u2013" + SeenKanaText(named.Second) + " " +
                std::to_string(sorted[i].second);
    }
    return text;
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

// Times spread over a wide range: the scale runs on their logarithms, so that between 1.5 s and
// 4 s it changes as much as between 4 s and 10 s.
uint32_t TimeColour(double seconds)
{
    const double at = std::log(std::clamp(seconds, QuickSeconds, SlowSeconds));
    if (at <= std::log(MiddleSeconds))
        return Blend(QuickColour, MiddleColour, (at - std::log(QuickSeconds)) / (std::log(MiddleSeconds) - std::log(QuickSeconds)));
    return Blend(MiddleColour, SlowColour, (at - std::log(MiddleSeconds)) / (std::log(SlowSeconds) - std::log(MiddleSeconds)));
}

std::vector<TLegendEntry> ChartLegend()
{
    std::vector<TLegendEntry> legend;
    for (const double seconds : {QuickSeconds, 2.5, MiddleSeconds, 6.5, SlowSeconds}) {
        // Words, not signs: the dialog font of every system has them.
        std::string text = SecondsText(seconds);
        if (seconds == QuickSeconds)
            text += " or less";
        else if (seconds == SlowSeconds)
            text += " or more";
        legend.push_back({TimeColour(seconds), text});
    }
    legend.push_back({NoTimeColour, std::string(ProgressTexts::NoTime)});
    return legend;
}

std::string SecondsText(double seconds)
{
    const long tenths = std::lround(seconds * 10);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
}

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

TProgressChart ProgressChart(TScript script, const TScriptProgress& progress, const std::vector<TMixUp>& mixUps,
                             const TScriptProgress& typed)
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
                cell.Median = Median(kana.Samples) / 10;
                cell.TimeText = SecondsText(*cell.Median);
                cell.Colour = TimeColour(*cell.Median);
            }
            cell.Hints = kana.Hints;
            cell.HintsText = HintsText(kana.Hints);
            if (const std::vector<int32_t>& recalled = typed[cell.Face].Samples; !recalled.empty())
                cell.TypedText = "typed " + SecondsText(Median(recalled) / 10);
        }
    chart.SlowestText = SlowestText(chart.Cells);
    chart.MixUpsText = MixUpsText(script, mixUps, chart.Cells);
    return chart;
}
