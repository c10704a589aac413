#pragma once

#include <array>
#include <span>
#include <string_view>

#include "app/Commands.h"
#include "model/TilePlacement.h"

// The main window's menus, tool bars and status panels as both front ends lay them out, in design
// pixels.

inline constexpr std::string_view MainFormCaption = "Tesuli";

struct TMenuItem {
    TCommandId Command;
    bool SeparatorBefore = false;
};

struct TMenuLayout {
    std::string_view Caption;
    std::string_view Name;  // how an automated player finds it
    std::span<const TMenuItem> Items;
    char AccessKey;  // with Alt, opens the menu
};

namespace MenuItems {
using enum TCommandId;
inline constexpr TMenuItem GameMenu[] = {{NewGame}, {Scores}, {Progress}, {Hint, true}, {Shuffle}, {Exit, true}};
inline constexpr TMenuItem EditMenu[] = {{Undo}, {Options, true}};
inline constexpr TMenuItem HelpMenu[] = {{Help}, {About, true}};
}  // namespace MenuItems

inline constexpr std::array<TMenuLayout, 3> Menus{{
    {"Game", "Game", MenuItems::GameMenu, 'G'},
    {"Edit", "EditMenu", MenuItems::EditMenu, 'E'},
    {"Help", "HelpMenu", MenuItems::HelpMenu, 'H'},
}};

// The cool bar: one row of three bands, each holding a flat tool bar at its right end whose
// buttons stand apart by gaps.
inline constexpr int CoolBarHeight = 29;
inline constexpr int ToolButtonWidth = 23;
inline constexpr int ToolButtonHeight = 22;
inline constexpr int ToolGapWidth = 20;
inline constexpr int ToolIconSide = 16;

struct TBandLayout {
    int Width;
    int BarWidth;
    int BarHeight;
    std::span<const TCommandId> Buttons;
};

namespace BandButtons {
using enum TCommandId;
inline constexpr TCommandId MainBand[] = {NewGame, Scores, Options};
inline constexpr TCommandId GameBand[] = {Hint, Shuffle, Undo};
inline constexpr TCommandId HelpBand[] = {Help, About};
}  // namespace BandButtons

inline constexpr std::array<TBandLayout, 3> Bands{{
    {165, 152, 25, BandButtons::MainBand},
    {349, 336, 25, BandButtons::GameBand},
    {83, 70, 24, BandButtons::HelpBand},
}};

// The status bar: tiles left, hints, time, and the rest of the width for the reading the player
// types.
inline constexpr int StatusBarHeight = 19;

struct TPanelLayout {
    int Width;
    bool Centred;
};

inline constexpr int StatusPanelWidth = 150;
inline constexpr int TypingPanel = 3;
inline constexpr std::array<TPanelLayout, 4> StatusPanelLayouts{
    {{StatusPanelWidth, true}, {StatusPanelWidth, true}, {StatusPanelWidth, true}, {BoardWidth - 3 * StatusPanelWidth, false}}};

// The client area: cool bar, board, status bar, one above the other.
inline constexpr int MainClientHeight = CoolBarHeight + BoardHeight + StatusBarHeight;  // 546
