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

// The stored records, oldest first, split into their columns. A value that is not text, or whose
// text does not split into the five fields (changed outside the game), is left out of the rows and
// named in Damaged, with what is wrong with it; the values after it are listed. A store that cannot
// be read gives no rows and Failure holds its error, for the player to be shown.
struct TScoreList {
    std::vector<TScoreRow> Rows;
    std::vector<std::string> Damaged;  // one error text for each value left out
    std::exception_ptr Failure;
};

// Names a value that holds text but not a score record.
std::string NotARecord(const std::string& name);

TScoreList ReadScoreRows(TRegOptions& options);
