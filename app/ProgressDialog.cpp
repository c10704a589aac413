#include "app/ProgressDialog.h"

#include "app/ProgressFlow.h"

const TScreen& TProgressDialog::Screen() const
{
    return ProgressScreen();
}

void TProgressDialog::FormShow(TDialogView& view)
{
    view.SetItemIndex("ScriptRadioGroup", static_cast<int>(Script));
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
    } else if (control == "ResetBitBtn" && view.Confirm(ProgressTexts::ResetQuestion(Script))) {
        ResetProgress(Options, Recognition, Script);
        ShowChart(view);
    }
}

void TProgressDialog::ShowChart(TDialogView& view) const
{
    const TProgressChart chart = ReadProgressChart(Options, Recognition, Script);
    view.SetText("SlowestLabel", chart.SlowestText);
    view.SetText("MixUpsLabel", chart.MixUpsText);
    view.SetChart("KanaChart", ChartLooks(chart, Script, Game.FaceStyle));
}
