#pragma once

#include <exception>
#include <functional>

#include "app/OptionsFlow.h"
#include "model/Game.h"

using TErrorReport = std::function<void(const std::exception& error)>;

// Creating the main window: the settings in force from the store (the defaults are stored first
// when they are missing), no undo, the tiles on their map. A store that cannot be read is
// reported and must not keep the game from starting: it goes on with the defaults.
void CreateGame(TGame& game, TRegOptions& options, const TErrorReport& report);

// Whether the notification starts a new game: another map, or another kana set, accepted.
bool StartsNewGame(const TGame& game, TOptionsNotice notice, const TSettings& choices);

// The main window's answer to the options dialog's notification: face, background, hint length,
// learning modes and practice take effect; another map or kana set starts a new game with it; the
// board is drawn again.
void ApplyOptions(TGame& game, TOptionsNotice notice, const TSettings& choices);
