#include "model/Game.h"

TGame::TGame(TGameEffects& effects, TRandomSource& random) : Effects(effects), Random(random) {}

void TGame::FormShow()
{
    DrawBackground();
    ChooseKana();
    DealTiles();
    DrawBoard();
    UpdateStatus();
}

void TGame::StartNewGame()
{
    for (int n = 1; n <= TileCount; ++n)
        Tiles[n].Present = true;
    LoadMapPositions();
    ChooseKana();
    DealTiles();  // a full board is never lost: this also clears the selection and derives the flags
    DrawBackground();
    DrawBoard();
    ElapsedSeconds = 0;
    HintCount = 0;
    UpdateStatus();
    Effects.SetCommandEnabled(TCommand::Shuffle, true);
    Effects.SetCommandEnabled(TCommand::Hint, true);
    StartClock();
}

void TGame::ShuffleActionExecute()
{
    DealTiles();
    DrawBoard();
}

void TGame::ChooseKana()
{
    FaceKanaIds = Practice ? ChooseReviewKana(KanaSet, Review, Random) : ChooseFaceKana(KanaSet, false, {}, Random);
}
