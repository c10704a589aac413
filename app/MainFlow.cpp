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
        }
    } catch (const std::exception& error) {
        settings = TSettings{};
        report(error);
    }
    PutInForce(game, settings);
    game.UndoCount = 0;
    game.CreateTiles();
}

void ApplyOptions(TGame& game, TOptionsNotice notice, const TSettings& choices)
{
    game.FaceStyle = choices.FaceStyle;
    game.BackgroundIndex = choices.BackgroundIndex;
    game.HintSpeed = choices.HintSpeed;
    game.Kana = choices.Kana;
    game.Readings = choices.Readings;
    if (notice == TOptionsNotice::AcceptedOtherMap) {
        game.MapNumber = MapNumberOf(choices.MapId);
        game.StartNewGame();
    }
    game.DrawBackground();
    game.DrawBoard();
}
