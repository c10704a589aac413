#include "model/ReviewDeal.h"

#include <algorithm>
#include <numeric>

#include "model/Game.h"
#include "model/KanaMemory.h"

namespace {

class TBoardKana {
public:
    explicit TBoardKana(size_t setSize) : OnBoard(setSize, false) {}

    bool Full() const { return Ids.size() == FaceCount; }
    size_t Count() const { return Ids.size(); }
    bool Has(TKanaId kana) const { return OnBoard[kana]; }
    const std::vector<TKanaId>& Chosen() const { return Ids; }

    // Adds the kana while fewer than upTo are on the board.
    void Add(TKanaId kana, size_t upTo = FaceCount)
    {
        if (kana < OnBoard.size() && !OnBoard[kana] && Ids.size() < upTo) {
            OnBoard[kana] = true;
            Ids.push_back(kana);
        }
    }

private:
    std::vector<bool> OnBoard;
    std::vector<TKanaId> Ids;
};

TKanaReviewState StateOf(const TReviewPlan& plan, TKanaId kana)
{
    return kana < plan.Kana.size() ? plan.Kana[kana] : TKanaReviewState{};
}

}  // namespace

std::array<TKanaId, FaceCount> ChooseReviewKana(uint8_t kanaSet, const TReviewPlan& plan, TRandomSource& random)
{
    const int size = KanaSetSize(kanaSet);
    if (size == FaceCount)
        return DesignedFaceKana();
    random.Seed();
    std::vector<TKanaId> order(static_cast<size_t>(size));
    std::iota(order.begin(), order.end(), TKanaId{0});
    for (size_t i = 0; i < order.size(); ++i)  // equal recalls in random order
        std::swap(order[i], order[i + random.Below(static_cast<uint32_t>(order.size() - i))]);
    std::vector<TKanaId> reviewed;
    std::vector<TKanaId> fresh;
    for (const TKanaId kana : order)
        (StateOf(plan, kana).Reviewed ? reviewed : fresh).push_back(kana);
    std::stable_sort(reviewed.begin(), reviewed.end(),
                     [&plan](TKanaId a, TKanaId b) { return StateOf(plan, a).Recall < StateOf(plan, b).Recall; });
    // New kana stay in random order: the set the player chose comes in from all of it.

    TBoardKana board(static_cast<size_t>(size));
    for (const TKanaId kana : reviewed)
        if (StateOf(plan, kana).Recall < DueRecall)
            board.Add(kana, ReviewDueFaces);
    const std::vector<TKanaId> due = board.Chosen();
    // A partner never reviewed waits for its turn among the new kana.
    for (const TKanaId kana : due)
        for (const auto& [a, b] : plan.Partners)
            if ((a == kana || b == kana) && StateOf(plan, a == kana ? b : a).Reviewed)
                board.Add(a == kana ? b : a, ReviewPartnersUpTo);
    const size_t newUpTo = board.Count() + NewKanaPerBoard;
    for (const TKanaId kana : fresh)
        board.Add(kana, newUpTo);
    const size_t varietyUpTo = board.Count() + VarietyFaces;
    for (const TKanaId kana : order)  // still in random order
        if (StateOf(plan, kana).Reviewed)
            board.Add(kana, varietyUpTo);
    for (const TKanaId kana : reviewed)
        board.Add(kana);
    for (const TKanaId kana : fresh)
        board.Add(kana);
    std::array<TKanaId, FaceCount> ids{};
    std::copy_n(board.Chosen().begin(), FaceCount, ids.begin());
    return ids;
}
