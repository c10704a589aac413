#include "model/Game.h"
#include "model/Messages.h"
#include "model/Recognition.h"

namespace {

constexpr int32_t HintPenaltySeconds = 10;

}  // namespace

void TGame::HintActionExecute()
{
    uint8_t first = 0;
    uint8_t second = 0;
    if (!FindFreePair(first, second)) {
        Effects.ShowMessage(Inform(TMessageKind::Information, NoMoreMovesMessage));
        return;
    }
    ElapsedSeconds += HintPenaltySeconds;
    ++HintCount;
    if (Recognition != nullptr)
        Recognition->PairHinted(Tiles[first].Face);
    UpdateStatus();  // writes the status line only: the pair found above still stands
    BlinksUnderWay.push_back({first, second, 0});
    EnterBlinkPhase(BlinksUnderWay.back());
}

// Everything can happen between two phases, even a new deal or another hint; a blink stays with
// the two tile numbers it was given.
void TGame::EnterBlinkPhase(THintBlink& blink)
{
    const bool lit = blink.Phase % 2 == 0;
    Tiles[blink.First].Hinted = lit;
    Tiles[blink.Second].Hinted = lit;
    DrawBoard();
    Effects.StartBlinkTimer(BlinkPhaseMilliseconds(HintSpeed));
}

void TGame::BlinkTimerTimer()
{
    if (BlinksUnderWay.empty())
        return;
    THintBlink& blink = BlinksUnderWay.back();
    if (++blink.Phase < BlinkPhaseCount) {
        EnterBlinkPhase(blink);
        return;
    }
    BlinksUnderWay.pop_back();
    // The interrupted one finishes the phase it was in, as long as a phase lasts.
    if (!BlinksUnderWay.empty())
        Effects.StartBlinkTimer(BlinkPhaseMilliseconds(HintSpeed));
}

void TGame::StopBlinks()
{
    for (const THintBlink& blink : BlinksUnderWay)
        Tiles[blink.First].Hinted = Tiles[blink.Second].Hinted = false;
    BlinksUnderWay.clear();
}
