#include <array>
#include <utility>

#include "model/Game.h"
#include "model/MapUnit.h"
#include "model/Recognition.h"

namespace {

constexpr int SwapAttempts = 192;
constexpr int DealPasses = 2;

// The present tiles in ascending number, built afresh for each pass.
struct TDealList {
    std::array<uint8_t, TileCount> Numbers{};
    int Count = 0;
};

TDealList ListPresent(const TTileArray& tiles)
{
    TDealList list;
    for (int n = 1; n <= TileCount; ++n)
        if (tiles[n].Present)
            list.Numbers[list.Count++] = static_cast<uint8_t>(n);
    return list;
}

void SwapPositions(TTileClass& a, TTileClass& b)
{
    std::swap(a.X, b.X);
    std::swap(a.Y, b.Y);
    std::swap(a.Layer, b.Layer);
}

uint8_t DrawTileNumber(TRandomSource& random)
{
    return static_cast<uint8_t>(random.Below(TileCount) + 1);
}

// Attempts that name a removed tile, or the same tile twice, are spent without a swap: removed
// tiles keep their places.
void SwapAtRandom(TTileArray& tiles, TRandomSource& random)
{
    for (int attempt = 0; attempt < SwapAttempts; ++attempt) {
        const uint8_t a = DrawTileNumber(random);
        const uint8_t b = DrawTileNumber(random);
        if (a != b && tiles[a].Present && tiles[b].Present)
            SwapPositions(tiles[a], tiles[b]);
    }
}

TBoardPosition PositionOf(const TTileClass& tile)
{
    return {tile.X, tile.Y, tile.Layer};
}

void Place(TTileClass& tile, TBoardPosition position)
{
    tile.X = position.X;
    tile.Y = position.Y;
    tile.Layer = position.Layer;
}

// Every listed tile takes the position of the next one, the last that of the first.
void Rotate(TTileArray& tiles, const TDealList& list)
{
    if (list.Count == 0)
        return;
    const TBoardPosition saved = PositionOf(tiles[list.Numbers[0]]);
    for (int i = 0; i + 1 < list.Count; ++i)
        Place(tiles[list.Numbers[i]], PositionOf(tiles[list.Numbers[i + 1]]));
    Place(tiles[list.Numbers[list.Count - 1]], saved);
}

// No free pair: put a partner of the first free tile where the second free tile stands.
void Repair(TGame& game, const TDealList& list)
{
    uint8_t first = 0;
    uint8_t second = 0;
    for (int i = 0; i < list.Count && second == 0; ++i) {
        const uint8_t n = list.Numbers[i];
        if (!game.IsFree(n))
            continue;
        if (first == 0)
            first = n;
        else
            second = n;
    }
    if (second == 0)
        return;  // fewer than two free tiles: only a lost board, which is never dealt
    for (int i = 0; i < list.Count; ++i) {
        const uint8_t n = list.Numbers[i];
        if (n != first && game.Tiles[n].Face == game.Tiles[first].Face) {
            SwapPositions(game.Tiles[second], game.Tiles[n]);
            return;
        }
    }
}

}  // namespace

void TGame::DealTiles()
{
    ClearSelection();
    UndoCount = 0;
    Effects.SetCommandEnabled(TCommand::Undo, false);
    if (!CheckLost())
        MixPositions();
    if (Recognition != nullptr)
        Recognition->Restart(*this);
}

void TGame::MixPositions()
{
    for (int pass = 0; pass < DealPasses; ++pass) {
        Random.Seed();
        SwapAtRandom(Tiles, Random);
        Rotate(Tiles, ListPresent(Tiles));
    }
    UpdateCoverage();
    UpdateLinks();
    uint8_t first = 0;
    uint8_t second = 0;
    if (FindFreePair(first, second))
        return;
    Repair(*this, ListPresent(Tiles));
    UpdateCoverage();
    UpdateLinks();
}
