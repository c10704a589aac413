#include "model/Game.h"
#include "model/Messages.h"
#include "model/Recognition.h"

namespace {

constexpr int BlinkCount = 5;
constexpr int32_t HintPenaltySeconds = 10;

// The blink waits by pumping events, not by the clock: a pass count per hint speed.
uint32_t PumpPassesFor(uint8_t hintSpeed)
{
    switch (hintSpeed) {
    case 0:
        return 10000;
    case 2:
        return 10000000;
    default:
        return 1000000;
    }
}

}  // namespace

void TGame::HintActionExecute()
{
    uint8_t first = 0;
    uint8_t second = 0;
    if (!FindFreePair(first, second)) {
        Effects.ShowMessage(TMessageKind::Information, NoMoreMovesMessage);
        return;
    }
    ElapsedSeconds += HintPenaltySeconds;
    ++HintCount;
    if (Recognition != nullptr)
        Recognition->PairHinted(Tiles[first].Face);
    UpdateStatus();  // writes the status line only: the pair found above still stands
    Blink(first, second, PumpPassesFor(HintSpeed));
}

// Everything can happen while the events are pumped, even a new deal or another hint; the blink
// stays with the two tile numbers it was given.
void TGame::Blink(uint8_t first, uint8_t second, uint32_t passes)
{
    const auto setHinted = [&](bool hinted) {
        Tiles[first].Hinted = hinted;
        Tiles[second].Hinted = hinted;
        DrawBoard();
    };
    for (int blink = 0; blink < BlinkCount; ++blink) {
        setHinted(true);
        const bool goOn = PumpPasses(passes + 1);
        setHinted(false);
        if (!goOn || !PumpPasses(passes + 1))
            return;
    }
}

bool TGame::PumpPasses(uint32_t passes)
{
    for (uint32_t pass = 0; pass < passes; ++pass)
        if (!Effects.PumpEvents())
            return false;
    return true;
}
