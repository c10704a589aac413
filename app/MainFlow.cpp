#include "app/MainFlow.h"

#include "app/OptionsFlow.h"

void CreateGame(TGame& game, TRegOptions& options, const TErrorReport& report)
{
    TSettings settings = DefaultSettings();
    try {
        if (!options.InitDefaults())
            options.ReadSettings(settings);
    } catch (const std::exception& error) {
        settings = DefaultSettings();
        report(error);
    }
    PutInGame(game, settings, true);
    game.UndoCount = 0;
    game.CreateTiles();
}

bool StartsNewGame(const TGame& game, TOptionsNotice notice, const TSettings& choices)
{
    return notice == TOptionsNotice::AcceptedOtherMap ||
           (notice == TOptionsNotice::AcceptedSameMap && choices.KanaSet != game.KanaSet);
}

void ApplyOptions(TGame& game, TOptionsNotice notice, const TSettings& choices)
{
    const bool newGame = StartsNewGame(game, notice, choices);
    PutInGame(game, choices, newGame);
    if (newGame)
        game.StartNewGame();
    game.DrawBackground();
    game.DrawBoard();
}
