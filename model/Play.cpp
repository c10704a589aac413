#include "model/Game.h"
#include "model/LearningModes.h"
#include "model/Messages.h"
#include "model/Recognition.h"

namespace {
constexpr uint8_t LostCheckLimit = 9;  // a single stack can only remain with few tiles left
}

void TGame::BackgroundImageMouseDown(int32_t px, int32_t py)
{
    PressTile(TileAtPoint(px, py), false);
}

void TGame::PressTile(uint8_t c, bool typed)
{
    StartClock();  // the game's, so that the kana's clocks run too
    Press(c, typed);
}

void TGame::ClickTile(uint8_t c)
{
    Press(c, false);
}

bool TGame::FreePairOfFace(uint8_t face, uint8_t& first, uint8_t& second) const
{
    std::array<uint8_t, 2> pair{};
    size_t found = 0;
    if (IsFree(SelectedTile) && Tiles[SelectedTile].Face == face)
        pair[found++] = SelectedTile;
    for (int n = 1; n <= TileCount && found < pair.size(); ++n)
        if (n != SelectedTile && IsFree(static_cast<uint8_t>(n)) && Tiles[n].Face == face)
            pair[found++] = static_cast<uint8_t>(n);
    first = pair[0];
    second = pair[1];
    return found == pair.size();
}

void TGame::TakeTypedPair(uint8_t first, uint8_t second)
{
    if (SelectedTile != 0 && SelectedTile != first) {
        Tiles[SelectedTile].Selected = false;
        SelectedTile = 0;
    }
    if (SelectedTile != first)
        PressTile(first, true);
    PressTile(second, true);
}

// c comes from the hit test, so it is a free tile or 0; the selected tile is not tested again.
void TGame::Press(uint8_t c, bool typed)
{
    if (c > TileCount)
        c = 0;  // names no tile: a press on empty board
    const uint8_t s = SelectedTile;
    if (c == s) {
        if (s != 0) {
            Tiles[s].Selected = false;
            SelectedTile = 0;
            DrawBoard();
        }
    } else if (s != 0 && c != 0) {
        if (Tiles[s].Face == Tiles[c].Face)
            RemovePair(s, c, typed);
        else if (Recognition != nullptr)
            Recognition->MixedUp(*this, s, c);  // ignored by the game, but a sign of confusion
    } else if (s == 0) {
        Tiles[c].Selected = true;
        SelectedTile = c;
        DrawBoard();
    }
}

void TGame::RemovePair(uint8_t selected, uint8_t chosen, bool typed)
{
    ++UndoCount;
    UndoPairs[UndoCount] = {selected, chosen};
    Effects.SetCommandEnabled(TCommand::Undo, true);
    for (uint8_t n : {selected, chosen}) {
        Tiles[n].Selected = false;
        Tiles[n].Present = false;
    }
    SelectedTile = 0;
    UpdateStatus();
    DrawBoard();
    if (Recognition != nullptr)
        Recognition->PairTaken(*this, selected, chosen, typed);

    const uint8_t present = PresentCount();
    if (present >= 1 && present <= LostCheckLimit && CheckLost())
        return;
    if (present == 0) {
        WinGame();
        return;
    }
    uint8_t first = 0;
    uint8_t second = 0;
    if (!FindFreePair(first, second))
        Effects.ShowMessage(TMessageKind::Information, NoMoreMovesMessage);
}

void TGame::WinGame()
{
    const std::string scoreTime = TickClock();
    UndoCount = 0;
    Effects.SetCommandEnabled(TCommand::Undo, false);
    Effects.SetCommandEnabled(TCommand::Shuffle, false);
    Effects.SetCommandEnabled(TCommand::Hint, false);
    StopClock();
    Effects.ShowWin(scoreTime, HintCount, ScoreMapText(MapNumber, Kana, Readings, KanaSet));
}

void TGame::UndoActionExecute()
{
    if (UndoCount != 0) {
        const auto [first, second] = UndoPairs[UndoCount];
        Tiles[first].Present = true;
        Tiles[second].Present = true;
        --UndoCount;
        DrawBoard();
        if (Recognition != nullptr)
            Recognition->PairPutBack(*this, first);
    }
    if (UndoCount == 0)
        Effects.SetCommandEnabled(TCommand::Undo, false);
    UpdateStatus();
}
