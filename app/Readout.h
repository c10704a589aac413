#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/Commands.h"
#include "app/ProgressChart.h"
#include "model/Game.h"

// The test read-out's text, the same on every platform: where the free tiles, the status texts,
// the commands and the open windows' controls are on the screen. A front end only measures.
class TReadoutText {
public:
    struct TScreenPoint {
        int X;
        int Y;
    };
    using TBoardToScreen = std::function<TScreenPoint(int32_t boardX, int32_t boardY)>;

    void Status(int panel, std::string_view text);
    // Each free tile at a point where a press takes it, the centre of its hit zone unless a higher
    // neighbour covers that:
    // "tile <number> <face> <x> <y> <reading of the kana the face stands for>".
    void FreeTiles(const TGame& game, const TBoardToScreen& toScreen);
    // The Progress window's chart, a line for each kana: "chart <reading> <median time>", the time
    // left out before the first.
    void Chart(const TProgressChart& chart);
    // A control of a window, named "<window>.<control>".
    void Widget(std::string_view window, std::string_view control, int left, int top, int width, int height);
    // What a text box or a label of a window shows, as a player reads it.
    void ControlText(std::string_view window, std::string_view control, std::string_view text);
    void ToolButton(TCommandId command, int left, int top, int width, int height);
    void MenuItem(TCommandId command, int left, int top, int width, int height);
    // Menu menu of the menu bar (its index in Menus).
    void MenuTitle(size_t menu, int left, int top, int width, int height);

    // The whole read-out, closed by its end line.
    std::string Finish();

private:
    std::string Text;
};

inline constexpr std::string_view MainFormName = "MainForm";
// The environment variable naming the file the read-out goes to; unset, there is none.
inline constexpr const char* ReadoutVariable = "TESULI_TEST_READOUT";
