#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The main window's commands, in the order both front ends number them.
enum class TCommandId { NewGame, Hint, Shuffle, Exit, Undo, Options, About, Help, Scores, Progress };
inline constexpr int CommandCount = 10;

struct TCommandLook {
    std::string_view Caption;     // in the menu
    std::string_view Hint;        // the tool button's tooltip
    std::string_view IconName;    // the picture's file name in assets/ without ".png"
    std::string_view ActionName;  // how an automated player finds it
    bool InitiallyEnabled = true;
};

inline constexpr std::array<TCommandLook, CommandCount> CommandLooks{{
    {"New Game", "New Game", "IconNewGame", "NewGameAction"},
    {"Hint", "Hint", "IconHint", "HintAction"},
    {"Shuffle", "Shuffle", "IconShuffle", "ShuffleAction"},
    {"Exit", "Exit", "IconExit", "ExitAction"},
    // Nothing to undo before the first move.
    {"Undo", "Undo", "IconUndo", "UndoAction", false},
    {"Options", "Options", "IconOptions", "PropertiesAction"},
    {"About", "About Tesuli", "IconAbout", "AboutAction"},
    {"Help", "Help", "IconHelp", "HelpAction"},
    {"View Scores", "Scores", "IconScores", "ScoresAction"},
    {"Progress", "Progress", "IconProgress", "ProgressAction"},
}};

constexpr const TCommandLook& LookOf(TCommandId command) { return CommandLooks[static_cast<size_t>(command)]; }
