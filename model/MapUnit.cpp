#include "model/MapUnit.h"

#include <array>
#include <stdexcept>

#include "model/TileUnit.h"

namespace {

// Each map as runs of positions, in the order tile n takes them. A run steps by 2 along X or Y, or
// by 1 up the layers: "X a-b, Y c, L d" is a row, "X a, Y b-c, L d" a column, "X a, Y b, L c-d" a stack.
constexpr const char* MapRuns[MapCount] = {
    // Babel
    "X 0, Y 0, L 0; X 0, Y 6-8, L 0; X 26, Y 0, L 0; X 26, Y 14, L 0; X 10-16, Y 10, L 5; "
    "X 10-16, Y 8, L 5; X 10-16, Y 6, L 5; X 10-16, Y 4, L 5; X 10-16, Y 10, L 4; "
    "X 10-16, Y 8, L 4; X 10-16, Y 6, L 4; X 10-16, Y 4, L 4; X 10-16, Y 10, L 3; "
    "X 10-16, Y 8, L 3; X 10-16, Y 6, L 3; X 10-16, Y 4, L 3; X 10-16, Y 10, L 2; "
    "X 10-16, Y 8, L 2; X 10-16, Y 6, L 2; X 10-16, Y 4, L 2; X 8-18, Y 12, L 1; "
    "X 8-18, Y 10, L 1; X 8-18, Y 8, L 1; X 8-18, Y 6, L 1; X 8-18, Y 4, L 1; X 8-18, Y 2, L 1; "
    "X 2-24, Y 14, L 0; X 6-20, Y 12, L 0; X 4-22, Y 10, L 0; X 0, Y 14, L 0; X 2-24, Y 8, L 0; "
    "X 2-24, Y 6, L 0; X 4-22, Y 4, L 0; X 6-20, Y 2, L 0; X 2-24, Y 0, L 0; X 26, Y 6-8, L 0",
    // Ridge
    "X 20, Y 0-4, L 0; X 20, Y 14, L 0; X 20, Y 6-12, L 0; X 12, Y 0-14, L 4; X 10, Y 0-14, L 3; "
    "X 12, Y 0-14, L 3; X 14, Y 0-14, L 3; X 8, Y 0-14, L 2; X 10, Y 0-14, L 2; "
    "X 12, Y 0-14, L 2; X 14, Y 0-14, L 2; X 16, Y 0-14, L 2; X 6, Y 0-14, L 1; X 8, Y 0-14, L 1; "
    "X 10, Y 0-14, L 1; X 12, Y 0-14, L 1; X 14, Y 0-14, L 1; X 16, Y 0-14, L 1; "
    "X 18, Y 0-14, L 1; X 6, Y 0-14, L 0; X 8, Y 0-14, L 0; X 10, Y 0-14, L 0; X 12, Y 0-14, L 0; "
    "X 14, Y 0-14, L 0; X 16, Y 0-14, L 0; X 18, Y 0-14, L 0",
    // Flat Square
    "X 14, Y 0-4, L 2; X 14, Y 14, L 2; X 14, Y 6-12, L 2; X 12, Y 0-14, L 2; X 4-22, Y 14, L 1; "
    "X 4-22, Y 12, L 1; X 4-22, Y 10, L 1; X 4-22, Y 8, L 1; X 4-22, Y 6, L 1; X 4-22, Y 4, L 1; "
    "X 4-22, Y 2, L 1; X 4-22, Y 0, L 1; X 2-24, Y 14, L 0; X 2-24, Y 12, L 0; X 2-24, Y 10, L 0; "
    "X 2-24, Y 8, L 0; X 2-24, Y 6, L 0; X 2-24, Y 4, L 0; X 2-24, Y 2, L 0; X 2-24, Y 0, L 0",
    // Towers
    "X 12-14, Y 0, L 0; X 12-14, Y 12, L 0; X 26, Y 6-8, L 0; X 0, Y 6-8, L 0; X 2-8, Y 2, L 4; "
    "X 2-8, Y 0, L 4; X 2-8, Y 2, L 3; X 2-8, Y 0, L 3; X 2-8, Y 2, L 2; X 2-8, Y 0, L 2; "
    "X 2-8, Y 2, L 1; X 2-8, Y 0, L 1; X 2-8, Y 2, L 0; X 2-8, Y 0, L 0; X 2-8, Y 14, L 4; "
    "X 2-8, Y 12, L 4; X 2-8, Y 14, L 3; X 2-8, Y 12, L 3; X 2-8, Y 14, L 2; X 2-8, Y 12, L 2; "
    "X 2-8, Y 14, L 1; X 2-8, Y 12, L 1; X 2-8, Y 14, L 0; X 2-8, Y 12, L 0; X 18-24, Y 2, L 4; "
    "X 18-24, Y 0, L 4; X 18-24, Y 2, L 3; X 18-24, Y 0, L 3; X 18-24, Y 2, L 2; "
    "X 18-24, Y 0, L 2; X 18-24, Y 2, L 1; X 18-24, Y 0, L 1; X 18-24, Y 2, L 0; "
    "X 18-24, Y 0, L 0; X 18-24, Y 14, L 4; X 18-24, Y 12, L 4; X 18-24, Y 14, L 3; "
    "X 18-24, Y 12, L 3; X 18-24, Y 14, L 2; X 18-24, Y 12, L 2; X 18-24, Y 14, L 1; "
    "X 18-24, Y 12, L 1; X 18-24, Y 14, L 0; X 18-24, Y 12, L 0; X 12-14, Y 4, L 0; "
    "X 12-14, Y 10, L 0; X 12-14, Y 2, L 0; X 12-14, Y 8, L 0; X 18-24, Y 8, L 0; "
    "X 18-24, Y 6, L 0; X 2-8, Y 8, L 0; X 2-8, Y 6, L 0",
    // Bridge
    "X 2, Y 4-6, L 0; X 6, Y 4-6, L 0; X 22-24, Y 8, L 0; X 22-24, Y 10, L 0; X 8-14, Y 14, L 4; "
    "X 6-14, Y 14, L 3; X 4-14, Y 14, L 2; X 2-14, Y 14, L 1; X 0-14, Y 14, L 0; "
    "X 8-14, Y 12, L 4; X 6-14, Y 12, L 3; X 4-14, Y 12, L 2; X 2-14, Y 12, L 1; "
    "X 0-14, Y 12, L 0; X 10-14, Y 10, L 4; X 10-14, Y 10, L 3; X 10-14, Y 10, L 2; "
    "X 10-14, Y 10, L 1; X 10-14, Y 10, L 0; X 10-14, Y 8, L 4; X 10-14, Y 8, L 3; "
    "X 10-14, Y 8, L 2; X 10-14, Y 8, L 1; X 10-14, Y 8, L 0; X 10-14, Y 6, L 4; "
    "X 10-14, Y 6, L 3; X 10-14, Y 6, L 2; X 10-14, Y 6, L 1; X 10-14, Y 6, L 0; "
    "X 10-14, Y 4, L 4; X 10-14, Y 4, L 3; X 10-14, Y 4, L 2; X 10-14, Y 4, L 1; "
    "X 10-14, Y 4, L 0; X 10-16, Y 2, L 4; X 10-18, Y 2, L 3; X 10-20, Y 2, L 2; "
    "X 10-22, Y 2, L 1; X 10-24, Y 2, L 0; X 10-16, Y 0, L 4; X 10-18, Y 0, L 3; "
    "X 10-20, Y 0, L 2; X 10-22, Y 0, L 1; X 10-24, Y 0, L 0; X 4, Y 6, L 0; X 4, Y 4, L 0; "
    "X 20, Y 10, L 0; X 20, Y 8, L 0",
    // Castle
    "X 10, Y 6, L 1-4; X 14, Y 6, L 1-4; X 0-2, Y 14, L 2; X 8-10, Y 14, L 2; X 14-16, Y 14, L 2; "
    "X 22-24, Y 14, L 2; X 0-10, Y 14, L 1; X 14-24, Y 14, L 1; X 0-10, Y 14, L 0; "
    "X 14-24, Y 14, L 0; X 0, Y 12, L 0; X 24, Y 12, L 0; X 0, Y 10, L 0; X 24, Y 10, L 0; "
    "X 18, Y 8, L 6; X 16-20, Y 8, L 5; X 6, Y 8, L 4; X 16-20, Y 8, L 4; X 4-10, Y 8, L 3; "
    "X 14-20, Y 8, L 3; X 4-10, Y 8, L 2; X 14-20, Y 8, L 2; X 0, Y 8, L 1; X 4-10, Y 8, L 1; "
    "X 14-20, Y 8, L 1; X 24, Y 8, L 1; X 0, Y 8, L 0; X 4-10, Y 8, L 0; X 14-20, Y 8, L 0; "
    "X 24, Y 8, L 0; X 18, Y 6, L 6; X 16-20, Y 6, L 5; X 6, Y 6, L 4; X 16-20, Y 6, L 4; "
    "X 4-8, Y 6, L 3; X 16-20, Y 6, L 3; X 4-8, Y 6, L 2; X 16-20, Y 6, L 2; X 4-8, Y 6, L 1; "
    "X 16-20, Y 6, L 1; X 0, Y 6, L 0; X 4-10, Y 6, L 0; X 14-20, Y 6, L 0; X 24, Y 6, L 0; "
    "X 18, Y 4, L 6; X 16-20, Y 4, L 5; X 6, Y 4, L 4; X 16-20, Y 4, L 4; X 4-8, Y 4, L 3; "
    "X 16-20, Y 4, L 3; X 4-20, Y 4, L 2; X 0, Y 4, L 1; X 4-20, Y 4, L 1; X 24, Y 4, L 1; "
    "X 0, Y 4, L 0; X 4-20, Y 4, L 0; X 24, Y 4, L 0; X 0, Y 2, L 0; X 24, Y 2, L 0; "
    "X 0-2, Y 0, L 1; X 6, Y 0, L 1; X 10, Y 0, L 1; X 14, Y 0, L 1; X 18, Y 0, L 1; "
    "X 22-24, Y 0, L 1; X 0-24, Y 0, L 0",
    // Pyramid
    "X 20, Y 0-4, L 0; X 20, Y 14, L 0; X 20, Y 6-12, L 0; X 4-18, Y 14, L 1; X 4-18, Y 14, L 0; "
    "X 6-16, Y 12, L 2; X 4-18, Y 12, L 1; X 4-18, Y 12, L 0; X 8-14, Y 10, L 3; "
    "X 6-16, Y 10, L 2; X 4-18, Y 10, L 1; X 4-18, Y 10, L 0; X 10-12, Y 8, L 4; "
    "X 8-14, Y 8, L 3; X 6-16, Y 8, L 2; X 4-18, Y 8, L 1; X 4-18, Y 8, L 0; X 10-12, Y 6, L 4; "
    "X 8-14, Y 6, L 3; X 6-16, Y 6, L 2; X 4-18, Y 6, L 1; X 4-18, Y 6, L 0; X 8-14, Y 4, L 3; "
    "X 6-16, Y 4, L 2; X 4-18, Y 4, L 1; X 4-18, Y 4, L 0; X 6-16, Y 2, L 2; X 4-18, Y 2, L 1; "
    "X 4-18, Y 2, L 0; X 4-18, Y 0, L 1; X 4-18, Y 0, L 0",
};

constexpr const char* MapNames[MapCount] = {"Babel", "Ridge", "Flat Square", "Towers", "Bridge", "Castle", "Pyramid"};

constexpr int MaxX = 26;
constexpr int MaxY = 14;
constexpr int MaxLayer = 6;

struct TRange {
    int From;
    int To;
};

// Reads the run text at compile time; any slip in it stops the build instead of misplacing a tile.
class TRunReader {
public:
    constexpr explicit TRunReader(const char* text) : Text(text) {}

    constexpr bool AtEnd()
    {
        SkipSpaces();
        return *Text == '\0';
    }

    constexpr TRange Axis(char name)
    {
        SkipSpaces();
        Expect(name);
        const int from = Number();
        int to = from;
        if (*Text == '-') {
            ++Text;
            to = Number();
        }
        if (to < from)
            throw std::logic_error("descending run");
        SkipSpaces();
        if (*Text == ',' || *Text == ';')
            ++Text;
        return {from, to};
    }

private:
    const char* Text;

    constexpr void SkipSpaces()
    {
        while (*Text == ' ')
            ++Text;
    }

    constexpr void Expect(char c)
    {
        if (*Text != c)
            throw std::logic_error("malformed run");
        ++Text;
        SkipSpaces();
    }

    constexpr int Number()
    {
        if (*Text < '0' || *Text > '9')
            throw std::logic_error("number expected");
        int value = 0;
        while (*Text >= '0' && *Text <= '9')
            value = value * 10 + (*Text++ - '0');
        return value;
    }
};

using TMapList = std::array<TBoardPosition, TileCount>;
using TMapTable = std::array<TMapList, MapCount>;

consteval TMapList ExpandRuns(const char* runs)
{
    TMapList list{};
    int count = 0;
    TRunReader reader(runs);
    while (!reader.AtEnd()) {
        const TRange x = reader.Axis('X');
        const TRange y = reader.Axis('Y');
        const TRange layer = reader.Axis('L');
        if (x.To > MaxX || y.To > MaxY || layer.To > MaxLayer || x.From % 2 != 0 || y.From % 2 != 0)
            throw std::logic_error("position off the board");
        for (int px = x.From; px <= x.To; px += 2)
            for (int py = y.From; py <= y.To; py += 2)
                for (int pl = layer.From; pl <= layer.To; ++pl) {
                    if (count == TileCount)
                        throw std::logic_error("more than one position per tile");
                    list[count++] = {static_cast<uint8_t>(px), static_cast<uint8_t>(py), static_cast<uint8_t>(pl)};
                }
    }
    if (count != TileCount)
        throw std::logic_error("fewer positions than tiles");
    return list;
}

consteval TMapTable ExpandMaps()
{
    TMapTable table{};
    for (int m = 0; m < MapCount; ++m)
        table[m] = ExpandRuns(MapRuns[m]);
    return table;
}

constexpr TMapTable Maps = ExpandMaps();

}  // namespace

TBoardPosition MapPositions(uint8_t mapNumber, int entry)
{
    // A damaged stored map id must not read outside the table: such a number plays map 1.
    const int map = (mapNumber >= 1 && mapNumber <= MapCount) ? mapNumber - 1 : 0;
    return Maps[map].at(entry - 1);
}

std::string MapName(uint8_t mapNumber)
{
    if (mapNumber >= 1 && mapNumber <= MapCount)
        return MapNames[mapNumber - 1];
    return "currentMap: " + std::to_string(mapNumber);
}
