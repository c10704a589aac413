#include "app/WinFlow.h"

std::string CongratsText(const TWonGame& won)
{
    return "Score: " + won.ScoreTime;
}

bool AcceptWin(TRegOptions& options, const std::string& name, const TWonGame& won)
{
    if (name.empty())
        return false;
    options.AddScore(name, won.ScoreTime, won.ScoreHints, won.ScoreMap);
    return true;
}
