#include "app/ProgressScreen.h"

#include <algorithm>
#include <span>

#include "model/LearningModes.h"
#include "model/TilePlacement.h"

namespace {

using enum TControlKind;

// Where the chart's parts stand in one layout: the kana's cells, the legend and the two plots.
struct TGeometry {
    bool Turned = false;  // the kana table's rows run down instead of across, the legend and plots above them
    int CellWidth = 80, CellHeight = 110;  // 80 is wide enough for "123.5 s, 9 hints"
    bool HintsApart = false;  // the hints on a line of their own, under the time
    int LegendPerRow = 6;
    bool PlotsStacked = false;
    int Margin = 8;

    static constexpr int CellGap = 2, LineHeight = 12;
    static constexpr int LegendWidth = 96, LegendHeight = 18, LegendGap = 4, PlotGap = 24;
    // A plot: a caption, the bars with their counts above them, the days below.
    static constexpr int CaptionHeight = 14, CountHeight = 12, BarsHeight = 44, DayHeight = 12;
    static constexpr int PlotHeight = CaptionHeight + CountHeight + BarsHeight + DayHeight;

    int Across() const { return Turned ? ChartColumns : ChartRows; }
    int Down() const { return Turned ? ChartRows : ChartColumns; }
    int ChartWidth() const { return Across() * (CellWidth + CellGap) - CellGap; }
    int GridHeight() const { return Down() * (CellHeight + CellGap) - CellGap; }
    // Turned, the grid comes last, so that the blank a smaller chart leaves is at the end.
    int GridTop() const { return Turned ? PlotTop(1) + PlotHeight + 8 : 0; }
    int LegendTop() const { return Turned ? 0 : GridHeight() + 6; }
    int LegendRows() const { return (static_cast<int>(ChartLegend().size()) + LegendPerRow - 1) / LegendPerRow; }
    int PlotTop(int plot) const
    {
        const int first = LegendTop() + LegendRows() * (LegendHeight + LegendGap) - LegendGap + 8;
        return PlotsStacked ? first + plot * (PlotHeight + 8) : first;
    }
    int PlotLeft(int plot) const { return PlotsStacked ? 0 : plot * (PlotWidth() + PlotGap); }
    int PlotWidth() const { return PlotsStacked ? ChartWidth() : (ChartWidth() - PlotGap) / 2; }
    int ChartHeight() const { return Turned ? GridTop() + GridHeight() : PlotTop(1) + PlotHeight; }
};

constexpr TGeometry Wide{};
// An upright phone's screen, 360 CSS pixels and more: the kana rows down, five cells across.
constexpr TGeometry Narrow{.Turned = true, .CellWidth = 66, .CellHeight = 122, .HintsApart = true, .LegendPerRow = 3,
                           .PlotsStacked = true, .Margin = 6};

const TGeometry& GeometryOf(TProgressLayout layout)
{
    return layout == TProgressLayout::Narrow ? Narrow : Wide;
}

// Where each control stands.
struct TPlaces {
    TDesignRect Scripts, Charts, Counts, Slowest, MixUps, Chart, Recall, Time, Reset, Close;
    int Height = 0;
};

TPlaces WidePlaces(const TGeometry& g)
{
    const int m = g.Margin, width = g.ChartWidth(), chartBottom = 106 + g.ChartHeight();
    const int buttonsTop = chartBottom + 6 + 2 * 16 + m;
    return {{m, m, 240, 41},
            {m + 248, m, 300, 41},
            {m, 56, width, 13},
            {m, 72, width, 13},
            {m, 88, width, 13},
            {m, 106, width, g.ChartHeight()},
            {m, chartBottom + 6, width, 13},
            {m, chartBottom + 22, width, 13},
            {m, buttonsTop, 75, 25},
            {m + width - 75, buttonsTop, 75, 25},
            buttonsTop + 25 + m};
}

// One under the other, the buttons first, then the choices and texts, each text wrapped in as
// many lines as it may take, and the chart last, as long as it is.
TPlaces NarrowPlaces(const TGeometry& g)
{
    const int m = g.Margin, width = g.ChartWidth();
    int top = m;
    const auto next = [&](int height, int gap) {
        const TDesignRect at{m, top, width, height};
        top += height + gap;
        return at;
    };
    TPlaces places;
    places.Reset = {m, top, 75, 25};
    places.Close = {m + width - 75, top, 75, 25};
    top += 25 + 10;
    places.Scripts = next(41, 8);
    places.Charts = next(41, 8);
    constexpr int Line = 14;
    places.Counts = next(2 * Line, 3);
    places.Slowest = next(3 * Line, 3);
    places.MixUps = next(2 * Line, 3);
    places.Recall = next(4 * Line, 3);
    places.Time = next(4 * Line, 8);
    places.Chart = next(g.ChartHeight(), m);
    places.Height = top;
    return places;
}

TScreen MakeProgressScreen(const TGeometry& g)
{
    const TPlaces at = g.Turned ? NarrowPlaces(g) : WidePlaces(g);
    TScreen screen{"ProgressForm", std::string(ProgressTexts::Title), g.ChartWidth() + 2 * g.Margin, at.Height, true};
    screen.BesideBoard = true;
    auto& rows = screen.Controls;
    TControl scripts{RadioGroup, "ScriptRadioGroup", {}, at.Scripts, "Kana"};
    scripts.Items = {std::string(ProgressTexts::Scripts[0]), std::string(ProgressTexts::Scripts[1])};
    scripts.ItemPrefix = "Script";
    scripts.Columns = 2;
    scripts.TabStop = true;
    rows.push_back(scripts);
    TControl charts{RadioGroup, "ChartRadioGroup", {}, at.Charts, "Chart"};
    for (std::string_view name : ProgressTexts::Charts)
        charts.Items.emplace_back(name);
    charts.ItemPrefix = "Chart";
    charts.Columns = ChartKindCount;
    charts.TabStop = true;
    rows.push_back(charts);
    const auto text = [&](std::string name, TDesignRect place, std::string caption = {}) {
        TControl label{Label, std::move(name), {}, place, std::move(caption)};
        label.Wraps = g.Turned;
        rows.push_back(label);
    };
    text("CountsLabel", at.Counts);
    text("SlowestLabel", at.Slowest);
    text("MixUpsLabel", at.MixUps);
    rows.push_back({KanaChart, "KanaChart", {}, at.Chart});
    text("RecallLabel", at.Recall, std::string(ProgressTexts::RecallMeaning));
    text("TimeLabel", at.Time, std::string(ProgressTexts::TimeMeaning));
    TControl reset{Button, "ResetBitBtn", {}, at.Reset, std::string(ProgressTexts::Reset)};
    reset.Glyph = TButtonGlyph::Cross;
    reset.TabStop = true;
    TControl close{Button, "CloseBtn", {}, at.Close, "Close"};
    close.Glyph = TButtonGlyph::Tick;
    close.IsDefault = close.IsCancel = close.TabStop = close.FirstFocus = true;
    rows.push_back(close);
    rows.push_back(reset);
    return screen;
}

// A text alone on the dialog's ground.
void AddText(std::vector<TChartCellLook>& looks, TDesignRect at, std::string text)
{
    TChartCellLook& look = looks.emplace_back();
    look.Cell = look.LineAt[0] = at;
    look.Ground = false;
    look.Lines[0] = std::move(text);
}

std::string DueDayText(size_t day)
{
    return day == 0 ? "today" : "+" + std::to_string(day);
}

std::string PlayedDayText(size_t day)
{
    return day + 1 == PlayedDays ? "today" : "-" + std::to_string(PlayedDays - 1 - day);
}

// A bar for each count, as high against the plot as the count against the largest (at least 1).
void AddPlot(std::vector<TChartCellLook>& looks, const TGeometry& g, int plot, std::string_view caption,
             std::span<const int> counts, uint32_t colour, std::string (*dayText)(size_t))
{
    const int left = g.PlotLeft(plot), top = g.PlotTop(plot);
    AddText(looks, {left, top, g.PlotWidth(), g.CaptionHeight}, std::string(caption));
    const int largest = std::max(1, *std::max_element(counts.begin(), counts.end()));
    const int slot = g.PlotWidth() / static_cast<int>(counts.size());
    const int barsBottom = top + g.CaptionHeight + g.CountHeight + g.BarsHeight;
    for (size_t day = 0; day < counts.size(); ++day) {
        const int x = left + static_cast<int>(day) * slot;
        const int height = counts[day] * g.BarsHeight / largest;
        if (height > 0) {
            TChartCellLook& bar = looks.emplace_back();
            bar.Cell = {x + 3, barsBottom - height, slot - 6, height};
            bar.Colour = colour;
        }
        AddText(looks, {x, barsBottom - height - g.CountHeight, slot, g.CountHeight}, std::to_string(counts[day]));
        AddText(looks, {x, barsBottom, slot, g.DayHeight}, dayText(day));
    }
}

}  // namespace

const TScreen& ProgressScreen(TProgressLayout layout)
{
    static const TScreen wide = MakeProgressScreen(Wide), narrow = MakeProgressScreen(Narrow);
    return layout == TProgressLayout::Narrow ? narrow : wide;
}

std::vector<TChartCellLook> ChartLooks(const TProgressChart& chart, TScript script, uint8_t faceStyle, TProgressLayout layout)
{
    const TGeometry& g = GeometryOf(layout);
    const uint8_t kana = script == TScript::Katakana ? KanaSetting::Katakana : KanaSetting::Hiragana;
    std::vector<TChartCellLook> looks;
    for (const TChartCell& cell : chart.Cells) {
        TChartCellLook& look = looks.emplace_back();
        const int across = g.Turned ? cell.Column : cell.Row, down = g.Turned ? cell.Row : cell.Column;
        look.Cell = {across * (g.CellWidth + g.CellGap), g.GridTop() + down * (g.CellHeight + g.CellGap), g.CellWidth, g.CellHeight};
        look.Colour = cell.Colour;
        look.Picture = {TSheet::TileFace,
                        {0, 0, TileWidth, TileHeight},
                        TilePicture(cell.Id, 0, kana, ReadingsSetting::KanaOnly, faceStyle, false)};
        look.PictureAt = {look.Cell.Left + (g.CellWidth - TileWidth) / 2, look.Cell.Top + 3, TileWidth, TileHeight};
        if (g.HintsApart) {
            look.Lines = {std::string(cell.Reading), cell.RecallText, cell.TimeText, cell.HintsText, cell.TypedText};
        } else {
            const std::string times = cell.TimeText + (cell.TimeText.empty() || cell.HintsText.empty() ? "" : ", ") + cell.HintsText;
            look.Lines = {std::string(cell.Reading), cell.RecallText, times, cell.TypedText};
        }
        for (int line = 0; line < (g.HintsApart ? 5 : 4); ++line)
            look.LineAt[size_t(line)] = {look.Cell.Left, look.Cell.Top + 3 + TileHeight + 1 + line * g.LineHeight,
                                         g.CellWidth, g.LineHeight};
    }
    int entry = 0;
    for (const TLegendEntry& legend : ChartLegend()) {
        TChartCellLook& look = looks.emplace_back();
        const int across = entry % g.LegendPerRow, down = entry / g.LegendPerRow;
        look.Cell = look.LineAt[0] = {across * (g.LegendWidth + g.LegendGap), g.LegendTop() + down * (g.LegendHeight + g.LegendGap),
                                      g.LegendWidth, g.LegendHeight};
        look.Colour = legend.Colour;
        look.Lines[0] = legend.Text;
        ++entry;
    }
    AddPlot(looks, g, 0, ProgressTexts::DueCaption, chart.DueForecast, DueBarColour, DueDayText);
    AddPlot(looks, g, 1, ProgressTexts::GamesCaption, chart.GamesPerDay, GamesBarColour, PlayedDayText);
    return looks;
}
