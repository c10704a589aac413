#include "app/ProgressDialog.h"

#include "app/ProgressFlow.h"

const TScreen& TProgressDialog::Screen() const
{
    return ProgressScreen(Layout);
}

void TProgressDialog::FitTo(int width)
{
    Layout = width < ProgressScreen().ClientWidth ? TProgressLayout::Narrow : TProgressLayout::Wide;
}

void TProgressDialog::FormShow(TDialogView& view)
{
    view.SetItemIndex("ScriptRadioGroup", static_cast<int>(Script));
    view.SetItemIndex("ChartRadioGroup", static_cast<int>(Kind));
    ShowChart(view);
    view.SetFocus("CloseBtn");
}

void TProgressDialog::Click(TDialogView& view, std::string_view control, int item)
{
    if (control == "CloseBtn") {
        view.Hide();
    } else if (control == "ScriptRadioGroup" && (item == 0 || item == 1)) {
        Script = static_cast<TScript>(item);
        ShowChart(view);
    } else if (control == "ChartRadioGroup" && item >= 0 && item < ChartKindCount) {
        Kind = static_cast<TChartKind>(item);
        ShowChart(view);
    } else if (control == "ResetBitBtn") {
        // The script asked about is the one reset, whatever is shown by the time of the answer.
        view.ShowMessage(Ask(ProgressTexts::ResetQuestion(Script), [this, &view, script = Script](bool yes) {
            if (!yes)
                return;
            ResetProgress(Options, Recognition, script);
            ShowChart(view);
        }));
    }
}

void TProgressDialog::ShowChart(TDialogView& view)
{
    // The slowest are named and the kana counted across the kana set the game deals from.
    Chart = ReadProgressChart(Options, Recognition, Script, Days.Today(), Kind, KanaSetSize(Game.KanaSet));
    view.SetText("CountsLabel", Chart.CountsText);
    view.SetText("SlowestLabel", Chart.SlowestText);
    view.SetText("MixUpsLabel", Chart.MixUpsText);
    view.SetChart("KanaChart", ChartLooks(Chart, Script, Game.FaceStyle, Layout));
}
