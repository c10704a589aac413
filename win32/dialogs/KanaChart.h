#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/ProgressScreen.h"
#include "win32/dialogs/ControlPart.h"
#include "win32/dialogs/DialogBase.h"

// The progress chart: each kana's cell in the colour of its time, its picture from the face sheet
// drawn for the DPI, and its texts centred below in the dialog's font.
class TKanaChart final : public TControlPart {
public:
    TKanaChart(TTesuliDialog& dialog, const std::string& name, TPlace place);
    ~TKanaChart() override;
    TKanaChart(const TKanaChart&) = delete;
    TKanaChart& operator=(const TKanaChart&) = delete;

    void SetCells(const std::vector<TChartCellLook>& cells);
    const std::vector<TChartCellLook>& Cells() const { return Looks; }

    void DpiChanged() override;
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint();

    HWND Chart = nullptr;
    HFONT Font = nullptr;
    std::vector<TChartCellLook> Looks;
};
