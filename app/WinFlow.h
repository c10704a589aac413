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

// The win dialog's Accept: false for an empty name (nothing is stored; the player is told
// EmptyNameText and the dialog stays open). A store that refuses the record raises.
bool AcceptWin(TRegOptions& options, const std::string& name, const TWonGame& won);
