#pragma once

#include "app/DialogView.h"
#include "model/Game.h"
#include "model/Recognition.h"

// The Progress window: how long each kana of a script has lain free before the player took it.
class TProgressDialog final : public TDialogLogic {
public:
    TProgressDialog(TRegOptions& options, const TGame& game, TRecognition& recognition)
        : Options(options), Game(game), Recognition(recognition)
    {
    }

    const TScreen& Screen() const override;
    void FormShow(TDialogView& view) override;
    void Refresh(TDialogView& view) override { ShowChart(view); }
    void Click(TDialogView& view, std::string_view control, int item) override;
    // The chart as it was last shown.
    const TProgressChart& Shown() const { return Chart; }

private:
    TRegOptions& Options;
    const TGame& Game;  // its artwork draws the kana
    TRecognition& Recognition;  // the game in progress
    TScript Script = TScript::Hiragana;
    TChartKind Kind = TChartKind::Basic;
    TProgressChart Chart;

    void ShowChart(TDialogView& view);
};
