#pragma once

#include "app/ProgressChart.h"
#include "model/Recognition.h"
#include "storage/RegistryUnit.h"

// At the end of a game (won, a new game, a map change, exit): stores the samples and mix-ups
// collected since the last end in one update and forgets them. A store that refuses them raises
// ERegistryError and they stay for the next end.
void StoreProgress(TRecognition& recognition, TRegOptions& options);

// The Progress window's chart of the script: what the store holds and what the game in progress
// has added since. A store that cannot be read raises.
TProgressChart ReadProgressChart(TRegOptions& options, const TRecognition& recognition, TScript script);

// Clears the script's kana in the store and in the game in progress.
void ResetProgress(TRegOptions& options, TRecognition& recognition, TScript script);
