#pragma once

#include <cstdint>
#include <string>

struct TBoardPosition {
    uint8_t X;
    uint8_t Y;
    uint8_t Layer;
};

constexpr int MapCount = 7;

// Entry n (1..192) of map m; a map number outside 1..7 reads map 1.
TBoardPosition MapPositions(uint8_t mapNumber, int entry);
std::string MapName(uint8_t mapNumber);
