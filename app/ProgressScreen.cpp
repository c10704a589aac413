#include "app/ProgressScreen.h"

#include "model/LearningModes.h"
#include "model/TilePlacement.h"

namespace {

using enum TControlKind;

constexpr int CellWidth = 80, CellHeight = 110, CellGap = 2;  // wide enough for "typed 123.5 s"
constexpr int ChartWidth = ChartRows * (CellWidth + CellGap) - CellGap;
constexpr int ChartHeight = ChartColumns * (CellHeight + CellGap) - CellGap;
constexpr int LegendTop = ChartHeight + 6, LegendWidth = 86, LegendHeight = 18, LegendGap = 4;
constexpr int Margin = 8;
constexpr int ChartTop = 92;
constexpr int ChartBottom = ChartTop + LegendTop + LegendHeight;
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
    rows.push_back({Label, "SlowestLabel", {}, {Margin, 56, ChartWidth, 13}});
    rows.push_back({Label, "MixUpsLabel", {}, {Margin, 72, ChartWidth, 13}});
    rows.push_back({KanaChart, "KanaChart", {}, {Margin, ChartTop, ChartWidth, ChartBottom - ChartTop}});
    rows.push_back({Label, "TimeLabel", {}, {Margin, ChartBottom + 6, ChartWidth, 13}, std::string(ProgressTexts::TimeMeaning)});
    rows.push_back({Label, "HintLabel", {}, {Margin, ChartBottom + 22, ChartWidth, 13}, std::string(ProgressTexts::HintMeaning)});
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
        look.Lines = {std::string(cell.Reading), cell.TimeText, cell.HintsText, cell.TypedText};
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
    return looks;
}
