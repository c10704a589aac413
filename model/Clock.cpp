#include "model/Game.h"
#include "model/Recognition.h"

namespace {

std::string TwoDigits(int32_t value)
{
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string TimeString(int32_t seconds)
{
    return std::to_string(seconds / 3600) + ":" + TwoDigits(seconds / 60 % 60) + ":" + TwoDigits(seconds % 60);
}

std::string TGame::TickClock()
{
    ++ElapsedSeconds;
    return TimeString(ElapsedSeconds);
}

void TGame::StartClock()
{
    Effects.StartClock();
    if (Recognition != nullptr)
        Recognition->ClockStarted();
}

void TGame::StopClock()
{
    Effects.StopClock();
    if (Recognition != nullptr)
        Recognition->ClockStopped();
}

void TGame::GameTimerTimer()
{
    Effects.SetStatusText(2, "Time:  " + TickClock());
}

void TGame::UpdateStatus()
{
    Effects.SetStatusText(0, "Tiles left:  " + std::to_string(PresentCount()) + "/" + std::to_string(TileCount));
    Effects.SetStatusText(1, "Hints:  " + std::to_string(HintCount));
}
