#pragma once

#include <array>
#include <span>
#include <string_view>

#include "app/ArtworkNames.h"

// The main window's commands, menus, tool bars and status panels as both front ends lay them out,
// in design pixels.

// The nine commands; both front ends number them in this order.
enum class TCommandId { NewGame, Hint, Shuffle, Exit, Undo, Options, About, Help, Scores };
inline constexpr int CommandCount = 9;

struct TCommandLook {
    std::string_view Caption;  // in the menu
    std::string_view Hint;     // the tool button's tooltip
    TCommandIcon Icon;
};

inline constexpr std::array<TCommandLook, CommandCount> CommandLooks{{
    {"New Game", "New Game", TCommandIcon::NewGame},
    {"Hint", "Hint", TCommandIcon::Hint},
    {"Shuffle", "Shuffle", TCommandIcon::Shuffle},
    {"Exit", "Exit", TCommandIcon::Exit},
    {"Undo", "Undo", TCommandIcon::Undo},
    {"Options", "Options", TCommandIcon::Options},
    {"About", "About Tesuli", TCommandIcon::About},
    {"Help", "Help", TCommandIcon::Help},
    {"View Scores", "Scores", TCommandIcon::Scores},
}};

constexpr const TCommandLook& LookOf(TCommandId command) { return CommandLooks[static_cast<size_t>(command)]; }

struct TMenuItem {
    TCommandId Command;
    bool SeparatorBefore = false;
};

struct TMenuLayout {
    std::string_view Caption;
    std::span<const TMenuItem> Items;
};

namespace MenuItems {
using enum TCommandId;
inline constexpr TMenuItem GameMenu[] = {{NewGame}, {Scores}, {Hint, true}, {Shuffle}, {Exit, true}};
inline constexpr TMenuItem EditMenu[] = {{Undo}, {Options, true}};
inline constexpr TMenuItem HelpMenu[] = {{Help}, {About, true}};
}  // namespace MenuItems

inline constexpr std::array<TMenuLayout, 3> Menus{{
    {"Game", MenuItems::GameMenu},
    {"Edit", MenuItems::EditMenu},
    {"Help", MenuItems::HelpMenu},
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

// The status bar: tiles left, hints, time, and a last narrow panel.
inline constexpr int StatusBarHeight = 19;

struct TPanelLayout {
    int Width;
    bool Centred;
};

inline constexpr std::array<TPanelLayout, 4> StatusPanelLayouts{{{150, true}, {150, true}, {150, true}, {50, false}}};
