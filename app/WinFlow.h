#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/MonotonicClock.h"

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
// key handled within TypingSettleMs of the last key the board took is dropped there. The time is
// when each key is handled, on one monotonic clock: the window systems' own event times come from
// more than one clock (Wine stamps a posted character otherwise than the key it came from).
inline constexpr int64_t TypingSettleMs = 800;
class TTypingSettle {
public:
    explicit TTypingSettle(const TMonotonicClock& clock) : Clock(clock) {}

    void Played() { LastPlayed = Clock.Milliseconds(); }
    bool Swallows() const { return LastPlayed && Clock.Milliseconds() - *LastPlayed < TypingSettleMs; }

private:
    const TMonotonicClock& Clock;
    std::optional<int64_t> LastPlayed;
};

// The win dialog's Accept: false for an empty name (nothing is stored; the player is told
// EmptyNameText and the dialog stays open). A store that refuses the record raises.
bool AcceptWin(TRegOptions& options, const std::string& name, const TWonGame& won);
