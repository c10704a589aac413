#include "model/Game.h"
#include "model/MapUnit.h"
#include "model/Messages.h"
#include "model/PositionGrid.h"

void TGame::CreateTiles()
{
    for (int n = 1; n <= TileCount; ++n)
        Tiles[n] = TTileClass(static_cast<uint8_t>(n));
    LoadMapPositions();
}

void TGame::LoadMapPositions()
{
    for (int n = 1; n <= TileCount; ++n) {
        const TBoardPosition position = MapPositions(MapNumber, n);
        Tiles[n].X = position.X;
        Tiles[n].Y = position.Y;
        Tiles[n].Layer = position.Layer;
    }
}

void TGame::UpdateCoverage()
{
    const TPositionGrid grid(Tiles);
    for (int n = 1; n <= TileCount; ++n) {
        TTileClass& tile = Tiles[n];
        tile.Uncovered = !grid.CoveredAbove(tile.X, tile.Y, tile.Layer);
    }
}

void TGame::ClearLinks()
{
    for (int n = 1; n <= TileCount; ++n) {
        Tiles[n].RightLink = 0;
        Tiles[n].LeftLink = 0;
    }
}

void TGame::UpdateLinks()
{
    ClearLinks();
    const TPositionGrid grid(Tiles);
    for (int n = 1; n <= TileCount; ++n) {
        TTileClass& tile = Tiles[n];
        if (!tile.Present)
            continue;
        tile.LeftLink = grid.At(tile.X - 2, tile.Y, tile.Layer);
        tile.RightLink = grid.At(tile.X + 2, tile.Y, tile.Layer);
    }
}

void TGame::ClearSelection()
{
    SelectedTile = 0;
    for (int n = 1; n <= TileCount; ++n)
        Tiles[n].Selected = false;
}

uint8_t TGame::PresentCount() const
{
    uint8_t count = 0;
    for (int n = 1; n <= TileCount; ++n)
        if (Tiles[n].Present)
            ++count;
    return count;
}

bool TGame::FindFreePair(uint8_t& first, uint8_t& second) const
{
    first = 0;
    second = 0;
    for (int i = 1; i < TileCount; ++i) {
        if (!IsFree(static_cast<uint8_t>(i)))
            continue;
        for (int j = i + 1; j <= TileCount; ++j) {
            if (Tiles[j].Face == Tiles[i].Face && IsFree(static_cast<uint8_t>(j))) {
                first = static_cast<uint8_t>(i);
                second = static_cast<uint8_t>(j);
                return true;
            }
        }
    }
    return false;
}

bool TGame::CheckLost()
{
    // Lost when no two present tiles stand on different X, Y: comparing each with the first one
    // present answers the same as comparing every pair.
    const TTileClass* anchor = nullptr;
    bool lost = true;
    for (int n = 1; n <= TileCount && lost; ++n) {
        const TTileClass& tile = Tiles[n];
        if (!tile.Present)
            continue;
        if (anchor == nullptr)
            anchor = &tile;
        else if (tile.X != anchor->X || tile.Y != anchor->Y)
            lost = false;
    }
    // The clock runs on while the message is up.
    if (lost)
        Effects.ShowMessage(Inform(TMessageKind::Information, LostMessage, [this] { StopClock(); }));
    return lost;
}
