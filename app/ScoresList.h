#pragma once

#include <array>
#include <exception>
#include <string>
#include <vector>

#include "storage/RegistryUnit.h"

inline constexpr int ScoreColumnCount = 5;

enum class TColumnAlignment { Left, Center, Right };

struct TScoreColumn {
    const char* Caption;
    int Width;
    TColumnAlignment Alignment;
};

// The scores list's columns, in the record's field order.
inline constexpr std::array<TScoreColumn, ScoreColumnCount> ScoreColumns{{
    {"date", 130, TColumnAlignment::Left},
    {"player", 130, TColumnAlignment::Left},
    {"score", 60, TColumnAlignment::Center},
    {"hints", 40, TColumnAlignment::Right},
    {"map", 116, TColumnAlignment::Center},
}};

using TScoreRow = std::array<std::string, ScoreColumnCount>;

// The stored records, oldest first, split into their columns. A record changed outside the game may
// hold fewer fields: their columns stay empty. A record that cannot be read ends the reading: the
// rows before it are still listed, and Failure holds its error, for the player to be shown.
struct TScoreList {
    std::vector<TScoreRow> Rows;
    std::exception_ptr Failure;
};

TScoreList ReadScoreRows(TRegOptions& options);
