#pragma once

#include <array>
#include <span>

#include "model/Grading.h"
#include "model/KanaMemory.h"
#include "model/ReviewDeal.h"

// The player's memory of every catalogue kana in each script and kind of review.
class TMemoryTable {
public:
    TKanaMemory& At(TSeenKana kana, TReviewKind kind) { return Memories[IndexOf(kana, kind)]; }
    const TKanaMemory& At(TSeenKana kana, TReviewKind kind) const { return Memories[IndexOf(kana, kind)]; }

    bool operator==(const TMemoryTable&) const = default;

private:
    std::array<TKanaMemory, size_t(ReviewKindCount) * ScriptCount * CatalogueSize> Memories{};

    static size_t IndexOf(TSeenKana kana, TReviewKind kind)
    {
        return (static_cast<size_t>(kind) * ScriptCount + static_cast<size_t>(kana.Script)) * CatalogueSize + kana.Kana;
    }
};

// A game's grades, each into its kana's memory on that day.
void ApplyReviews(TMemoryTable& memories, std::span<const TKanaReview> reviews, int32_t day);

// What a review deal of the kana setting's scripts needs: each kana's memories today (below), and
// as partners the kana the player mixed up and the known look-alikes.
TReviewPlan MakeReviewPlan(const TMemoryTable& memories, const std::vector<TMixUp>& mixUps, uint8_t kana, int32_t today);

// What the review deal needs of the memories of the kana setting's scripts (model/LearningModes.h):
// per kana, the least recall today over the scripts and both kinds.
std::vector<TKanaReviewState> ReviewStates(const TMemoryTable& memories, uint8_t kana, int32_t today);
