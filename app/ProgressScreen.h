#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/ProgressChart.h"
#include "app/Screen.h"

// How the Progress window is laid out: as designed, or for a screen narrower than that (an upright
// phone): the buttons first, then the controls and texts one under the other, each text wrapped,
// the legend, the plots one under the other, and last the chart turned so that the kana table's
// rows run down (a i u e o across).
enum class TProgressLayout : uint8_t { Wide, Narrow };

// The Progress window, stated once: the script to show, how many kana are learned and due, the
// five slowest kana, the most frequent mix-ups, the chart with its legend and two plots (the kana
// falling due in the next days, the games played per day), what a colour and a time mean, Reset
// and Close.
const TScreen& ProgressScreen(TProgressLayout layout = TProgressLayout::Wide);

// One kana of the chart as it is drawn: a cell in the colour of its recall, the kana alone as the
// tiles show it, and below it the reading, the recall, the median time with the hints and the typed
// recall, each line centred (narrow: the hints on a line of their own, under the time). The
// legend's entries, the plots' bars and their texts are cells too.
struct TChartCellLook {
    TDesignRect Cell;  // in the chart
    uint32_t Colour = NotReviewedColour;  // 0xRRGGBB
    bool Ground = true;  // false: no ground nor frame, the text alone on the dialog's own
    TSheetCell Picture;  // none (an empty cell) in the legend
    TDesignRect PictureAt;
    std::array<std::string, 5> Lines;
    std::array<TDesignRect, 5> LineAt;
};

// The chart in the artwork of faceStyle: one column for each row of the kana table (a, ka, sa ...
// n), its five kana (a i u e o) from the top; below them the legend's cells, then the plots. Where
// narrow the legend and plots come first, and the chart under them turned.
std::vector<TChartCellLook> ChartLooks(const TProgressChart& chart, TScript script, uint8_t faceStyle,
                                       TProgressLayout layout = TProgressLayout::Wide);
