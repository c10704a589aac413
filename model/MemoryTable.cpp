#include "model/MemoryTable.h"

#include <algorithm>

#include "model/LearningModes.h"

void ApplyReviews(TMemoryTable& memories, std::span<const TKanaReview> reviews, int32_t day)
{
    for (const TKanaReview& review : reviews) {
        TKanaMemory& memory = memories.At(review.Kana, review.Kind);
        memory = AfterReview(memory, review.Grade, day);
    }
}

std::vector<TKanaReviewState> ReviewStates(const TMemoryTable& memories, uint8_t kana, int32_t today)
{
    std::vector<TScript> scripts;
    if (kana != KanaSetting::Katakana)
        scripts.push_back(TScript::Hiragana);
    if (kana == KanaSetting::Katakana || kana == KanaSetting::Both)
        scripts.push_back(TScript::Katakana);
    std::vector<TKanaReviewState> states(CatalogueSize);
    for (TKanaId id = 0; id < CatalogueSize; ++id) {
        TKanaReviewState& state = states[id];
        state.Recall = 1;
        for (const TScript script : scripts)
            for (const TReviewKind kind : {TReviewKind::Matching, TReviewKind::Typed}) {
                // A script or kind not yet reviewed is new there, not forgotten.
                const TKanaMemory& memory = memories.At({id, script}, kind);
                if (!memory.Reviewed())
                    continue;
                state.Reviewed = true;
                state.Recall = std::min(state.Recall, RecallOn(memory, today));
            }
        if (!state.Reviewed)
            state.Recall = 0;
    }
    return states;
}

TReviewPlan MakeReviewPlan(const TMemoryTable& memories, const std::vector<TMixUp>& mixUps, uint8_t kana, int32_t today)
{
    TReviewPlan plan;
    plan.Kana = ReviewStates(memories, kana, today);
    plan.Partners = KnownLookAlikes(kana);
    for (const TMixUp& mixUp : mixUps)
        if (mixUp.First.Kana != mixUp.Second.Kana)
            plan.Partners.emplace_back(std::min(mixUp.First.Kana, mixUp.Second.Kana), std::max(mixUp.First.Kana, mixUp.Second.Kana));
    return plan;
}
