#pragma once

#include "app/ProgressChart.h"
#include "model/Recognition.h"
#include "model/ReviewDeal.h"
#include "storage/RegistryUnit.h"

// At the end of a game (won, a new game, a map change, exit): stores the samples and mix-ups
// collected since the last end, and the game's grades into the memories as reviews on that day, in
// one update, and forgets them. A store that refuses them raises ERegistryError and they stay for
// the next end. Answers the message that names the values found damaged and written afresh, or "".
std::string StoreProgress(TRecognition& recognition, TRegOptions& options, int32_t today);

// The values of the store found damaged and started afresh, for the player.
std::string DamagedProgressText(const std::vector<std::string>& names);

// What a review deal of the kana setting's scripts needs from the store: each kana's memories
// today, and as partners the kana the player mixed up and the known look-alikes.
TReviewPlan ReadReviewPlan(TRegOptions& options, uint8_t kana, int32_t today);

// The Progress window's chart of the script: the times the store holds and those the game in
// progress has added since, the memories as of today; the slowest named and the kana counted among
// the catalogue's first setSize kana. A store that cannot be read raises.
TProgressChart ReadProgressChart(TRegOptions& options, const TRecognition& recognition, TScript script, int32_t today,
                                 TChartKind kind = TChartKind::Basic, int setSize = FaceCount);

// Clears the script's kana in the store and in the game in progress.
void ResetProgress(TRegOptions& options, TRecognition& recognition, TScript script);
