#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The main window's commands, in the order both front ends number them.
enum class TCommandId { NewGame, Hint, Shuffle, Exit, Undo, Options, About, Help, Scores, Progress };
inline constexpr int CommandCount = 10;

// A key that runs a command: a function key or a letter, with Ctrl or Alt. Plain letters never
// are one: they spell a reading on the board.
struct TShortcut {
    char Letter = 0;       // 'A'..'Z'
    uint8_t Function = 0;  // 1..12 for F1..F12
    bool Ctrl = false;
    bool Alt = false;

    constexpr bool Empty() const { return Letter == 0 && Function == 0; }
    bool operator==(const TShortcut&) const = default;
};

constexpr TShortcut FunctionKey(uint8_t number) { return {0, number}; }
constexpr TShortcut CtrlKey(char letter) { return {letter, 0, true}; }
constexpr TShortcut AltKey(TShortcut key) { return {key.Letter, key.Function, key.Ctrl, true}; }

enum class TPlatform { Linux, Windows };
#ifdef _WIN32
inline constexpr TPlatform HostPlatform = TPlatform::Windows;
#else
inline constexpr TPlatform HostPlatform = TPlatform::Linux;
#endif

struct TCommandLook {
    std::string_view Caption;     // in the menu
    std::string_view Hint;        // the tool button's tooltip
    std::string_view IconName;    // the picture's file name in assets/ without ".png"
    std::string_view ActionName;  // how an automated player finds it
    bool InitiallyEnabled = true;
    char AccessKey = 0;  // the caption's letter that picks the item in its open menu
    std::array<TShortcut, 2> Keys{};  // the first is the one shown
    TShortcut WindowsKey{};           // stands for Keys on Windows when not empty
};

inline constexpr std::array<TCommandLook, CommandCount> CommandLooks{{
    {"New Game", "New Game", "IconNewGame", "NewGameAction", true, 'N', {FunctionKey(2), CtrlKey('N')}},
    {"Hint", "Hint", "IconHint", "HintAction", true, 'H', {CtrlKey('H')}},
    {"Shuffle", "Shuffle", "IconShuffle", "ShuffleAction", true, 'f', {CtrlKey('R')}},
    {"Exit", "Exit", "IconExit", "ExitAction", true, 'x', {CtrlKey('Q')}, AltKey(FunctionKey(4))},
    // Nothing to undo before the first move.
    {"Undo", "Undo", "IconUndo", "UndoAction", false, 'U', {CtrlKey('Z')}},
    {"Options", "Options", "IconOptions", "PropertiesAction", true, 'O', {FunctionKey(5)}},
    // No platform has a key for About: its menu letters reach it.
    {"About", "About Tesuli", "IconAbout", "AboutAction", true, 'A'},
    {"Help", "Help", "IconHelp", "HelpAction", true, 'H', {FunctionKey(1)}},
    {"View Scores", "Scores", "IconScores", "ScoresAction", true, 'S', {FunctionKey(4)}},
    {"Progress", "Progress", "IconProgress", "ProgressAction", true, 'P', {FunctionKey(6)}},
}};

constexpr const TCommandLook& LookOf(TCommandId command) { return CommandLooks[static_cast<size_t>(command)]; }

// The command's keys on the platform, empty ones left out.
std::vector<TShortcut> ShortcutsOf(TCommandId command, TPlatform platform);
// "F2", "Ctrl+Z", "Alt+F4".
std::string ShortcutText(TShortcut key);
// The menu item's caption with "&" before its access letter: "Shu&ffle".
std::string MenuCaption(std::string_view caption, char accessKey);
// The tool button's tooltip with the command's first key: "New Game (F2)".
std::string TooltipText(TCommandId command, TPlatform platform);
// The menu item's text as a Windows menu shows it, the key after a tab: "&Undo\tCtrl+Z".
std::string MenuItemText(TCommandId command, TPlatform platform);
