#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/ProgressScreen.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// The kana chart: each cell a coloured ground with a frame a shade darker, its kana's picture and
// its lines of text, all placed as the cells' looks say in design pixels.
class TKanaChartView final : public TControlPart {
public:
    TKanaChartView(TTesuliDialog& dialog, const std::string& name, TPlace place);
    ~TKanaChartView() override;
    TKanaChartView(const TKanaChartView&) = delete;
    TKanaChartView& operator=(const TKanaChartView&) = delete;

    void SetCells(const std::vector<TChartCellLook>& cells);

    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();

    std::vector<TChartCellLook> Looks;
    HWND Chart = nullptr;
    HFONT Font = nullptr;  // the dialog's
};
