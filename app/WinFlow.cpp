#include "app/WinFlow.h"

std::string CongratsText(const TWonGame& won)
{
    return "Score: " + won.ScoreTime;
}

std::string DropWinQuestion(const TWonGame& won)
{
    return "Close without recording this win (" + won.ScoreTime + ")?";
}

bool AcceptWin(TRegOptions& options, const std::string& name, const TWonGame& won)
{
    if (name.empty())
        return false;
    options.AddScore(name, won.ScoreTime, won.ScoreHints, won.ScoreMap);
    return true;
}
