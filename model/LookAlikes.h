#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "model/KanaCatalogue.h"

// Two catalogue kana that learners are known to take for each other, the lesser id first.
using TKanaPair = std::pair<TKanaId, TKanaId>;

// The known look-alikes among the kana that the kana setting (model/LearningModes.h) shows.
std::vector<TKanaPair> KnownLookAlikes(uint8_t kana);
