#include "app/ProgressScreen.h"

#include <algorithm>
#include <span>

#include "model/LearningModes.h"
#include "model/TilePlacement.h"

namespace {

using enum TControlKind;

constexpr int CellWidth = 80, CellHeight = 110, CellGap = 2;  // wide enough for "123.5 s, 9 hints"
constexpr int ChartWidth = ChartRows * (CellWidth + CellGap) - CellGap;
constexpr int ChartHeight = ChartColumns * (CellHeight + CellGap) - CellGap;
constexpr int LegendTop = ChartHeight + 6, LegendWidth = 96, LegendHeight = 18, LegendGap = 4;
// The two plots side by side under the legend: a caption, the bars with their counts above them,
// the days below.
constexpr int PlotTop = LegendTop + LegendHeight + 8, PlotGap = 24;
constexpr int PlotWidth = (ChartWidth - PlotGap) / 2;
constexpr int CaptionHeight = 14, CountHeight = 12, BarsHeight = 44, DayHeight = 12;
constexpr int PlotHeight = CaptionHeight + CountHeight + BarsHeight + DayHeight;
constexpr int Margin = 8;
constexpr int ChartTop = 106;
constexpr int ChartBottom = ChartTop + PlotTop + PlotHeight;
constexpr int ButtonsTop = ChartBottom + 6 + 2 * 16 + Margin;
constexpr int LineHeight = 12;

TScreen MakeProgressScreen()
{
    TScreen screen{"ProgressForm", std::string(ProgressTexts::Title), ChartWidth + 2 * Margin,
                   ButtonsTop + 25 + Margin, true};
    screen.BesideBoard = true;
    auto& rows = screen.Controls;
    TControl scripts{RadioGroup, "ScriptRadioGroup", {}, {Margin, Margin, 240, 41}, "Kana"};
    scripts.Items = {std::string(ProgressTexts::Scripts[0]), std::string(ProgressTexts::Scripts[1])};
    scripts.ItemPrefix = "Script";
    scripts.Columns = 2;
    scripts.TabStop = true;
    rows.push_back(scripts);
    TControl charts{RadioGroup, "ChartRadioGroup", {}, {Margin + 248, Margin, 300, 41}, "Chart"};
    for (std::string_view name : ProgressTexts::Charts)
        charts.Items.emplace_back(name);
    charts.ItemPrefix = "Chart";
    charts.Columns = ChartKindCount;
    charts.TabStop = true;
    rows.push_back(charts);
    rows.push_back({Label, "CountsLabel", {}, {Margin, 56, ChartWidth, 13}});
    rows.push_back({Label, "SlowestLabel", {}, {Margin, 72, ChartWidth, 13}});
    rows.push_back({Label, "MixUpsLabel", {}, {Margin, 88, ChartWidth, 13}});
    rows.push_back({KanaChart, "KanaChart", {}, {Margin, ChartTop, ChartWidth, ChartBottom - ChartTop}});
    rows.push_back({Label, "RecallLabel", {}, {Margin, ChartBottom + 6, ChartWidth, 13}, std::string(ProgressTexts::RecallMeaning)});
    rows.push_back({Label, "TimeLabel", {}, {Margin, ChartBottom + 22, ChartWidth, 13}, std::string(ProgressTexts::TimeMeaning)});
    TControl reset{Button, "ResetBitBtn", {}, {Margin, ButtonsTop, 75, 25}, std::string(ProgressTexts::Reset)};
    reset.Glyph = TButtonGlyph::Cross;
    reset.TabStop = true;
    TControl close{Button, "CloseBtn", {}, {Margin + ChartWidth - 75, ButtonsTop, 75, 25}, "Close"};
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
void AddPlot(std::vector<TChartCellLook>& looks, int left, std::string_view caption, std::span<const int> counts,
             uint32_t colour, std::string (*dayText)(size_t))
{
    AddText(looks, {left, PlotTop, PlotWidth, CaptionHeight}, std::string(caption));
    const int largest = std::max(1, *std::max_element(counts.begin(), counts.end()));
    const int slot = PlotWidth / static_cast<int>(counts.size());
    const int barsBottom = PlotTop + CaptionHeight + CountHeight + BarsHeight;
    for (size_t day = 0; day < counts.size(); ++day) {
        const int x = left + static_cast<int>(day) * slot;
        const int height = counts[day] * BarsHeight / largest;
        if (height > 0) {
            TChartCellLook& bar = looks.emplace_back();
            bar.Cell = {x + 3, barsBottom - height, slot - 6, height};
            bar.Colour = colour;
        }
        AddText(looks, {x, barsBottom - height - CountHeight, slot, CountHeight}, std::to_string(counts[day]));
        AddText(looks, {x, barsBottom, slot, DayHeight}, dayText(day));
    }
}

}  // namespace

const TScreen& ProgressScreen()
{
    static const TScreen screen = MakeProgressScreen();
    return screen;
}

std::vector<TChartCellLook> ChartLooks(const TProgressChart& chart, TScript script, uint8_t faceStyle)
{
    const uint8_t kana = script == TScript::Katakana ? KanaSetting::Katakana : KanaSetting::Hiragana;
    std::vector<TChartCellLook> looks;
    for (const TChartCell& cell : chart.Cells) {
        TChartCellLook& look = looks.emplace_back();
        look.Cell = {cell.Row * (CellWidth + CellGap), cell.Column * (CellHeight + CellGap), CellWidth, CellHeight};
        look.Colour = cell.Colour;
        look.Picture = {TSheet::TileFace,
                        {0, 0, TileWidth, TileHeight},
                        TilePicture(cell.Id, 0, kana, ReadingsSetting::KanaOnly, faceStyle, false)};
        look.PictureAt = {look.Cell.Left + (CellWidth - TileWidth) / 2, look.Cell.Top + 3, TileWidth, TileHeight};
        const std::string times = cell.TimeText + (cell.TimeText.empty() || cell.HintsText.empty() ? "" : ", ") + cell.HintsText;
        look.Lines = {std::string(cell.Reading), cell.RecallText, times, cell.TypedText};
        for (size_t line = 0; line < look.Lines.size(); ++line)
            look.LineAt[line] = {look.Cell.Left, look.Cell.Top + 3 + TileHeight + 1 + static_cast<int>(line) * LineHeight,
                                 CellWidth, LineHeight};
    }
    int left = 0;
    for (const TLegendEntry& entry : ChartLegend()) {
        TChartCellLook& look = looks.emplace_back();
        look.Cell = look.LineAt[0] = {left, LegendTop, LegendWidth, LegendHeight};
        look.Colour = entry.Colour;
        look.Lines[0] = entry.Text;
        left += LegendWidth + LegendGap;
    }
    AddPlot(looks, 0, ProgressTexts::DueCaption, chart.DueForecast, DueBarColour, DueDayText);
    AddPlot(looks, PlotWidth + PlotGap, ProgressTexts::GamesCaption, chart.GamesPerDay, GamesBarColour, PlayedDayText);
    return looks;
}
