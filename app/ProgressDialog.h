#pragma once

#include "app/DialogView.h"
#include "app/ProgressScreen.h"
#include "model/DayClock.h"
#include "model/Game.h"
#include "model/Recognition.h"

// The Progress window: how well the player remembers each kana of a script, and how quickly they find it.
class TProgressDialog final : public TDialogLogic {
public:
    TProgressDialog(TRegOptions& options, const TGame& game, TRecognition& recognition, const TDayClock& days)
        : Options(options), Game(game), Recognition(recognition), Days(days)
    {
    }

    const TScreen& Screen() const override;
    void FitTo(int width) override;
    void FormShow(TDialogView& view) override;
    void Refresh(TDialogView& view) override { ShowChart(view); }
    void Click(TDialogView& view, std::string_view control, int item) override;
    // The chart as it was last shown.
    const TProgressChart& Shown() const { return Chart; }

private:
    TRegOptions& Options;
    const TGame& Game;  // its artwork draws the kana
    TRecognition& Recognition;  // the game in progress
    const TDayClock& Days;
    TScript Script = TScript::Hiragana;
    TChartKind Kind = TChartKind::Basic;
    TProgressLayout Layout = TProgressLayout::Wide;
    TProgressChart Chart;

    void ShowChart(TDialogView& view);
};
