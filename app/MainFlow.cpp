#include "app/MainFlow.h"

#include "app/OptionsFlow.h"

void PutInForce(TGame& game, const TSettings& settings)
{
    game.FaceStyle = settings.FaceStyle;
    game.BackgroundIndex = settings.BackgroundIndex;
    game.MapNumber = MapNumberOf(settings.MapId);
    game.HintSpeed = settings.HintSpeed;
    game.Kana = settings.Kana;
    game.Readings = settings.Readings;
    game.KanaSet = settings.KanaSet;
    game.Practice = settings.Practice == 1;
}

void CreateGame(TGame& game, TRegOptions& options, const TErrorReport& report)
{
    TSettings settings;
    try {
        if (!options.InitDefaults()) {
            settings.FaceStyle = options.ReadFace();
            settings.MapId = options.ReadMapId();
            settings.BackgroundIndex = options.ReadBackground();
            settings.HintSpeed = options.ReadHintSpeed();
            settings.Kana = options.ReadKana();
            settings.Readings = options.ReadReadings();
            settings.KanaSet = options.ReadKanaSet();
            settings.Practice = options.ReadPractice();
        }
    } catch (const std::exception& error) {
        settings = TSettings{};
        report(error);
    }
    PutInForce(game, settings);
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
    game.FaceStyle = choices.FaceStyle;
    game.BackgroundIndex = choices.BackgroundIndex;
    game.HintSpeed = choices.HintSpeed;
    game.Kana = choices.Kana;
    game.Readings = choices.Readings;
    game.Practice = choices.Practice == 1;
    if (notice == TOptionsNotice::AcceptedOtherMap)
        game.MapNumber = MapNumberOf(choices.MapId);
    if (newGame) {
        // The set in force is always the one the board was dealt from.
        game.KanaSet = choices.KanaSet;
        game.StartNewGame();
    }
    game.DrawBackground();
    game.DrawBoard();
}
