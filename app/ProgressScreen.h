#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/ProgressChart.h"
#include "app/Screen.h"

// The Progress window, stated once: the script to show, the five slowest kana, the most frequent
// mix-ups, the chart with its legend, what a time and a hint mean, Reset and Close.
const TScreen& ProgressScreen();

// One kana of the chart as it is drawn: a cell in the colour of its time, the kana alone as the
// tiles show it, and below it the reading, the median time, the hints and the typed time, each line
// centred.
struct TChartCellLook {
    TDesignRect Cell;  // in the chart
    uint32_t Colour = NoTimeColour;  // 0xRRGGBB
    TSheetCell Picture;  // none (an empty cell) in the legend
    TDesignRect PictureAt;
    std::array<std::string, 4> Lines;
    std::array<TDesignRect, 4> LineAt;
};

// The chart in the artwork of faceStyle: one column for each row of the kana table (a, ka, sa ...
// n), its five kana (a i u e o) from the top; below them the legend's cells.
std::vector<TChartCellLook> ChartLooks(const TProgressChart& chart, TScript script, uint8_t faceStyle);
