#pragma once

#include "app/ProgressChart.h"
#include "model/Recognition.h"
#include "storage/RegistryUnit.h"

// At the end of a game (won, a new game, a map change, exit): stores the samples collected since the
// last end in one update and forgets them. A store that refuses them raises ERegistryError and the
// samples stay for the next end.
void StoreProgress(TRecognition& recognition, TRegOptions& options);

// The Progress window's chart of the script as the store holds it, the slowest named among the
// catalogue's first slowestAmong kana; a store that cannot be read raises.
TProgressChart ReadProgressChart(TRegOptions& options, TScript script, TChartKind kind = TChartKind::Basic,
                                 int slowestAmong = FaceCount);
