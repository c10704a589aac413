#include "app/ProgressChart.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

constexpr int SlowestNamed = 5;

using TChartReadings = std::array<std::array<std::string_view, ChartColumns>, ChartRows>;

// Each row of a chart by reading; "" leaves the place empty, and so does a row left out.
constexpr TChartReadings BasicReadings{{
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
constexpr TChartReadings VoicedReadings{{
    {"ga", "gi", "gu", "ge", "go"},
    {"za", "ji", "zu", "ze", "zo"},
    {"da", "di", "du", "de", "do"},
    {"ba", "bi", "bu", "be", "bo"},
    {"pa", "pi", "pu", "pe", "po"},
    {"", "", "", "", ""},
    {"", "", "", "", ""},
    {"", "", "", "", ""},
    {"", "", "", "", ""},
    {"", "", "", "", ""},
    {"", "", "", "", ""},
}};
constexpr TChartReadings CombinedReadings{{
    {"kya", "kyu", "kyo", "", ""},
    {"sha", "shu", "sho", "", ""},
    {"cha", "chu", "cho", "", ""},
    {"nya", "nyu", "nyo", "", ""},
    {"hya", "hyu", "hyo", "", ""},
    {"mya", "myu", "myo", "", ""},
    {"rya", "ryu", "ryo", "", ""},
    {"gya", "gyu", "gyo", "", ""},
    {"ja", "ju", "jo", "", ""},
    {"bya", "byu", "byo", "", ""},
    {"pya", "pyu", "pyo", "", ""},
}};

constexpr const TChartReadings& ReadingsOf(TChartKind kind)
{
    switch (kind) {
    case TChartKind::Voiced: return VoicedReadings;
    case TChartKind::Combined: return CombinedReadings;
    default: return BasicReadings;
    }
}

// Each chart shows every kana of its group once, and the three together the whole catalogue.
constexpr bool EveryKanaOnceInTheCharts()
{
    std::array<int, CatalogueSize + 1> seen{};
    for (const TChartKind kind : {TChartKind::Basic, TChartKind::Voiced, TChartKind::Combined})
        for (const auto& row : ReadingsOf(kind))
            for (std::string_view reading : row)
                if (!reading.empty())
                    ++seen[KanaOfReading(reading)];
    return seen[CatalogueSize] == 0 && std::all_of(seen.begin(), seen.end() - 1, [](int count) { return count == 1; });
}
static_assert(EveryKanaOnceInTheCharts());

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

std::string_view KanaIn(TKanaId id, TScript script)
{
    return script == TScript::Hiragana ? KanaCatalogue[id].Hiragana : KanaCatalogue[id].Katakana;
}

std::string SeenKanaText(TSeenKana kana)
{
    return std::string(KanaIn(kana.Kana, kana.Script));
}

// Every kana's place in the charts, one after the other: the catalogue keeps another order.
constexpr std::array<size_t, CatalogueSize> ChartPlaces()
{
    std::array<size_t, CatalogueSize> place{};
    size_t next = 0;
    for (const TChartKind kind : {TChartKind::Basic, TChartKind::Voiced, TChartKind::Combined})
        for (const auto& row : ReadingsOf(kind))
            for (std::string_view reading : row)
                if (!reading.empty())
                    place[KanaOfReading(reading)] = next++;
    return place;
}
constexpr std::array<size_t, CatalogueSize> ChartPlace = ChartPlaces();

// Names the two kana in the charts' order, whichever order they are kept in.
std::string MixUpsText(TScript script, const std::vector<TMixUp>& mixUps)
{
    const auto inChartOrder = [](TMixUp mixUp) {
        if (std::pair(ChartPlace[mixUp.Second.Kana], mixUp.Second.Script) <
            std::pair(ChartPlace[mixUp.First.Kana], mixUp.First.Script))
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

// Equal times are named in the order of the charts.
std::string SlowestText(TScript script, const TScriptProgress& progress, int among)
{
    std::vector<std::pair<TKanaId, double>> timed;
    for (int id = 0; id < among && id < CatalogueSize; ++id)
        if (!progress[size_t(id)].Samples.empty())
            timed.emplace_back(static_cast<TKanaId>(id), Median(progress[size_t(id)].Samples) / 10);
    if (timed.empty())
        return "No times yet: they come with the pairs you take.";
    std::sort(timed.begin(), timed.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : ChartPlace[a.first] < ChartPlace[b.first];
    });
    std::string text = "Slowest: ";
    for (size_t i = 0; i < timed.size() && i < SlowestNamed; ++i)
        text += (i == 0 ? "" : ", ") + std::string(KanaIn(timed[i].first, script)) + " " +
                std::string(KanaCatalogue[timed[i].first].Reading) + " " + SecondsText(timed[i].second);
    return text;
}

void CountMemories(TProgressChart& chart, TScript script, const TMemoryView& view, int setSize)
{
    for (int id = 0; id < setSize && id < CatalogueSize; ++id) {
        const TKanaMemory& memory = view.Memories.At({static_cast<TKanaId>(id), script}, TReviewKind::Matching);
        if (!memory.Reviewed()) {
            ++chart.NotReviewed;
            continue;
        }
        ++(IsDue(memory, view.Today) ? chart.Due : chart.Learned);
        for (int day = 0; day < ForecastDays; ++day)
            if (IsDue(memory, view.Today + day) && (day == 0 || !IsDue(memory, view.Today + day - 1)))
                ++chart.DueForecast[size_t(day)];
    }
    chart.CountsText = std::to_string(chart.Learned) + " learned, " + std::to_string(chart.Due) + " due today, " +
                       std::to_string(chart.NotReviewed) + " not reviewed yet, of the " + std::to_string(std::min(setSize, CatalogueSize)) +
                       " kana of the set.";
    for (const auto& [day, games] : view.GameDays)
        if (const int32_t ago = view.Today - day; ago >= 0 && ago < PlayedDays)
            chart.GamesPerDay[size_t(PlayedDays - 1 - ago)] = games;
}

}  // namespace

// Recall changes little near the top, where the learned kana are: the scale runs from green at
// RecalledAt to yellow at DueRecall and on to red at ForgottenAt.
uint32_t RecallColour(double recall)
{
    const double at = std::clamp(recall, ForgottenAt, RecalledAt);
    if (at >= DueRecall)
        return Blend(DueColour, RecalledColour, (at - DueRecall) / (RecalledAt - DueRecall));
    return Blend(ForgottenColour, DueColour, (at - ForgottenAt) / (DueRecall - ForgottenAt));
}

std::vector<TLegendEntry> ChartLegend()
{
    std::vector<TLegendEntry> legend;
    for (const double recall : {RecalledAt, 0.93, DueRecall, 0.8, ForgottenAt}) {
        // Words, not signs: the dialog font of every system has them.
        std::string text = PercentText(recall);
        if (recall == RecalledAt)
            text += " or more";
        else if (recall == DueRecall)
            text += ": due below";
        else if (recall == ForgottenAt)
            text += " or less";
        legend.push_back({RecallColour(recall), text});
    }
    legend.push_back({NotReviewedColour, std::string(ProgressTexts::NotReviewed)});
    return legend;
}

// Down, so that a kana due (below 90 %) never reads as 90 %.
std::string PercentText(double fraction)
{
    return std::to_string(static_cast<long>(std::floor(fraction * 100 + 1e-9))) + " %";
}

std::string SecondsText(double seconds)
{
    const long tenths = std::lround(seconds * 10);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
}

std::string ProgressTexts::ResetQuestion(TScript script)
{
    return "Clear every " + std::string(Scripts[static_cast<size_t>(script)]) + " time, hint and memory?";
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
                             const TMemoryView& memory, TChartKind kind, int setSize)
{
    TProgressChart chart;
    const TChartReadings& readings = ReadingsOf(kind);
    for (int row = 0; row < ChartRows; ++row)
        for (int column = 0; column < ChartColumns; ++column) {
            const std::string_view reading = readings[row][column];
            if (reading.empty())
                continue;
            TChartCell& cell = chart.Cells.emplace_back();
            cell.Id = KanaOfReading(reading);
            cell.Row = row;
            cell.Column = column;
            cell.Kana = KanaIn(cell.Id, script);
            cell.Reading = reading;
            const TKanaProgress& kana = progress[cell.Id];
            if (!kana.Samples.empty()) {
                cell.Median = Median(kana.Samples) / 10;
                cell.TimeText = SecondsText(*cell.Median);
            }
            cell.Hints = kana.Hints;
            cell.HintsText = HintsText(kana.Hints);
            cell.RecallText = std::string(ProgressTexts::NotReviewed);
            if (const TKanaMemory& matching = memory.Memories.At({cell.Id, script}, TReviewKind::Matching); matching.Reviewed()) {
                cell.Recall = RecallOn(matching, memory.Today);
                cell.RecallText = "recall " + PercentText(*cell.Recall);
                cell.Colour = RecallColour(*cell.Recall);
            }
            if (const TKanaMemory& typed = memory.Memories.At({cell.Id, script}, TReviewKind::Typed); typed.Reviewed())
                cell.TypedText = "typed " + PercentText(RecallOn(typed, memory.Today));
        }
    chart.SlowestText = SlowestText(script, progress, setSize);
    chart.MixUpsText = MixUpsText(script, mixUps);
    CountMemories(chart, script, memory, setSize);
    return chart;
}
