#include "model/Grading.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

// The grading rule, in one place:
// - Again when a hint showed the kana's pair, or the kana was in a mix-up (a tile of one kana
//   pressed while a tile of another was selected), for both kana of it. These are strong
//   evidence: the player could not tell the kana, or not find it at all. Mix-ups are presses on
//   tiles, so they grade matching alone.
// - Otherwise time, which is weak evidence: a pair's time runs only from the later of its becoming
//   free and the player's previous move, so scan order counts for little, yet how long a player
//   looks still depends on the board and the player's pace. So a time is judged only against the
//   same game's times of the same kind, as a ratio to their median, and only when the game timed
//   enough pairs: Hard when the kana's median time is SlowRatio times the game's or more, Good
//   otherwise. Time never gives Again (the pair was found) nor Easy (a quick pair may have been
//   the nearest one).
// - Typed recall (the reading typed for tiles that show the kana alone) is graded by the same rule
//   on its own times, apart from matching: knowing the sound is not telling two shapes apart.
namespace {

struct TKanaGame {
    bool Hinted = false;
    std::vector<int32_t> Tenths;
};

double MedianOf(std::vector<int32_t> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

TReviewKind KindOf(const TRecognitionSample& sample)
{
    return sample.Typed ? TReviewKind::Typed : TReviewKind::Matching;
}

}  // namespace

std::vector<TKanaReview> GradeGame(const std::vector<TRecognitionSample>& samples, const std::vector<TMixUp>& mixUps)
{
    std::map<std::pair<TSeenKana, TReviewKind>, TKanaGame> seen;
    std::array<std::vector<int32_t>, ReviewKindCount> kindTenths;
    for (const TRecognitionSample& sample : samples) {
        TKanaGame& kana = seen[{TSeenKana{sample.Kana, sample.Script}, KindOf(sample)}];
        if (sample.Hinted) {
            kana.Hinted = true;
            continue;
        }
        kana.Tenths.push_back(sample.Tenths);
        kindTenths[static_cast<size_t>(KindOf(sample))].push_back(sample.Tenths);
    }
    std::set<TSeenKana> mixedUp;
    for (const TMixUp& mixUp : mixUps) {
        mixedUp.insert(mixUp.First);
        mixedUp.insert(mixUp.Second);
        seen.try_emplace({mixUp.First, TReviewKind::Matching});
        seen.try_emplace({mixUp.Second, TReviewKind::Matching});
    }
    std::array<double, ReviewKindCount> median{};
    for (size_t kind = 0; kind < median.size(); ++kind)
        if (kindTenths[kind].size() >= LeastTimedForPace)
            median[kind] = MedianOf(kindTenths[kind]);

    std::vector<TKanaReview> reviews;
    for (const auto& [key, game] : seen) {
        const auto [kana, kind] = key;
        TKanaReview& review = reviews.emplace_back(TKanaReview{kana, kind, TGrade::Good});
        const double pace = median[static_cast<size_t>(kind)];
        if (game.Hinted || (kind == TReviewKind::Matching && mixedUp.contains(kana)))
            review.Grade = TGrade::Again;
        else if (pace > 0 && !game.Tenths.empty() && MedianOf(game.Tenths) >= SlowRatio * pace)
            review.Grade = TGrade::Hard;
    }
    return reviews;
}
