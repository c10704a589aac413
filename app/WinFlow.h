#pragma once

#include <cstdint>
#include <string>

#include "storage/RegistryUnit.h"

// A won game, as the main window hands it to the win dialog.
struct TWonGame {
    std::string ScoreTime;
    int32_t ScoreHints = 0;
    std::string ScoreMap;
};

inline constexpr const char* EmptyNameText = "Please enter your name first.";

// The line above the name box: "Score: " and the time.
std::string CongratsText(const TWonGame& won);

// Asked before Cancel (or Escape) drops the win; No keeps the dialog open.
std::string DropWinQuestion(const TWonGame& won);

// Keys typed for the game as its last pair goes must not land in the win dialog that opens: a
// key that comes within TypingSettleMs of the last key the board took is dropped there. Times are
// the window system's event times in milliseconds, which wrap.
inline constexpr uint32_t TypingSettleMs = 800;
class TTypingSettle {
public:
    void Played(uint32_t eventTime)
    {
        LastPlayed = eventTime;
        Any = true;
    }
    bool Swallows(uint32_t eventTime) const { return Any && eventTime - LastPlayed < TypingSettleMs; }

private:
    uint32_t LastPlayed = 0;
    bool Any = false;
};

// The win dialog's Accept: false for an empty name (nothing is stored; the player is told
// EmptyNameText and the dialog stays open). A store that refuses the record raises.
bool AcceptWin(TRegOptions& options, const std::string& name, const TWonGame& won);
