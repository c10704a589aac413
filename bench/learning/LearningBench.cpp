// How many boards simulated learners need until they know every kana of the set, dealt three
// ways with the same learners and seeds: at random, by the earlier practice of the slowest kana,
// and by the review deal. Every deal, every grade and every memory update is the game's own code;
// only the player is simulated, and the board is reduced to the samples and mix-ups the game's
// recognition would have collected from it.
//
// The learner model:
// - Each kana has a true difficulty d (uniform in 0..1, a known look-alike's raised by 0.3) and,
//   from its first sight on a board (with its reading on the tile), a true stability S in days,
//   starting at 1 - d / 2.
// - The chance of recall t days after the kana was last on a board is R = (1 + t / (9 S))^-1.
// - On each board a kana is recalled or not, by that chance (never seen: not recalled).
//   A recalled kana's two pairs are taken quickly, 1.5 s times a log-normal noise (sigma 0.3);
//   one not recalled is taken slowly, 9 s times the same noise, or, when a look-alike of it lies
//   on the board, mixed up with it first one time in two.
// - Scan order adds to every pair a delay uniform in 0..4 s that has nothing to do with the kana.
// - After a board the kana's stability grows on success, by a factor 1 + 6 (1 - 0.6 d) (1 - R):
//   most when it was nearly forgotten, nothing when it could not have been forgotten (the spacing
//   effect, in the shape FSRS gives it); it halves after a failure, but not below its first
//   stability, since the board shows the reading again.
// - Three boards a day, at 09:00, 13:00 and 19:00.
// A learner has mastered the set on the morning of the first day on which every kana of it would
// be recalled with a chance of at least 0.9; the boards played until then are counted.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "app/PracticePaces.h"
#include "model/Grading.h"
#include "model/KanaSets.h"
#include "model/LearningModes.h"
#include "model/MemoryTable.h"
#include "model/ReviewDeal.h"
#include "storage/KanaProgress.h"

namespace {

constexpr uint8_t KanaSet = KanaSetSetting::All;
constexpr int SetSize = CatalogueSize;
constexpr int Learners = 10;
constexpr int BoardsPerDay = 3;
constexpr double BoardHours[BoardsPerDay] = {9, 13, 19};
constexpr int MostDays = 400;
constexpr double MasteryRecall = 0.9;
constexpr int FirstDay = 20000;

enum class TDealing { Review, Slowest, Random };

class TRandom final : public TRandomSource {
public:
    explicit TRandom(uint32_t seed) : Generator(seed) {}
    void Seed() override {}
    uint32_t Below(uint32_t n) override { return std::uniform_int_distribution<uint32_t>(0, n - 1)(Generator); }
    double Uniform() { return std::uniform_real_distribution<double>(0, 1)(Generator); }
    double Noise() { return std::lognormal_distribution<double>(0, 0.3)(Generator); }

private:
    std::mt19937 Generator;
};

struct TTrueKana {
    double Difficulty = 0;
    double Stability = 0;  // 0: never seen
    double LastSeen = 0;   // days

    double Recall(double now) const { return Stability > 0 ? 1 / (1 + (now - LastSeen) / (9 * Stability)) : 0; }
};

class TLearner {
public:
    TLearner(uint32_t seed, TDealing dealing) : Random(seed), DealRandom(seed * 7919 + 1), Dealing(dealing)
    {
        std::vector<bool> lookAlike(SetSize, false);
        for (const auto& [a, b] : KnownLookAlikes(KanaSetting::Hiragana)) {
            lookAlike[a] = lookAlike[b] = true;
            Partners[a].push_back(b);
            Partners[b].push_back(a);
        }
        for (int id = 0; id < SetSize; ++id)
            Kana[size_t(id)].Difficulty = std::min(1.0, Random.Uniform() + (lookAlike[size_t(id)] ? 0.3 : 0));
    }

    bool Mastered(double now) const
    {
        return std::all_of(Kana.begin(), Kana.end(), [now](const TTrueKana& kana) { return kana.Recall(now) >= MasteryRecall; });
    }

    void PlayBoard(int day, double now)
    {
        const std::array<TKanaId, FaceCount> faces = Deal(day);
        std::vector<bool> onBoard(SetSize, false);
        for (const TKanaId id : faces)
            onBoard[id] = true;
        std::vector<TRecognitionSample> samples;
        std::vector<TMixUp> mixUps;
        struct TOutcome {
            TKanaId Kana;
            bool Recalled;
            double Recall;
        };
        std::vector<TOutcome> outcomes;
        for (const TKanaId id : faces) {
            const double recall = Kana[id].Recall(now);
            const bool recalled = Random.Uniform() < recall;
            outcomes.push_back({id, recalled, recall});
            std::vector<TKanaId> near;
            for (const TKanaId partner : Partners[id])
                if (partner < SetSize && onBoard[partner])
                    near.push_back(partner);
            if (!recalled && !near.empty() && Random.Uniform() < 0.5)
                mixUps.push_back(MixUpOf({id, TScript::Hiragana}, {near[Random.Below(uint32_t(near.size()))], TScript::Hiragana}));
            for (int pair = 0; pair < 2; ++pair) {
                const double seconds = (recalled ? 1.5 : 9.0) * Random.Noise() + 4 * Random.Uniform();
                samples.push_back({id, TScript::Hiragana, false, static_cast<int32_t>(std::lround(seconds * 10))});
            }
        }
        // What the game does at the end of a game, as StoreProgress does it into the store.
        const std::vector<TKanaReview> reviews = GradeGame(samples, mixUps);
        ApplyReviews(Memories, reviews, day);
        AddMixUps(KeptMixUps, mixUps);
        for (const TRecognitionSample& sample : samples)
            AddSample(Times[sample.Kana], sample);
        for (const TOutcome& outcome : outcomes)
            Learn(Kana[outcome.Kana], outcome.Recalled, outcome.Recall, now);
    }

private:
    TRandom Random;
    TRandom DealRandom;
    TDealing Dealing;
    std::array<TTrueKana, SetSize> Kana{};
    std::array<std::vector<TKanaId>, SetSize> Partners{};
    TMemoryTable Memories;
    std::vector<TMixUp> KeptMixUps;
    TScriptProgress Times;

    std::array<TKanaId, FaceCount> Deal(int day)
    {
        switch (Dealing) {
        case TDealing::Review:
            return ChooseReviewKana(KanaSet, MakeReviewPlan(Memories, KeptMixUps, KanaSetting::Hiragana, day), DealRandom);
        case TDealing::Slowest:
            return ChooseFaceKana(KanaSet, true, PracticePaces(Times, {}, KanaSetting::Hiragana), DealRandom);
        case TDealing::Random: break;
        }
        return ChooseFaceKana(KanaSet, false, {}, DealRandom);
    }

    static void Learn(TTrueKana& kana, bool recalled, double recall, double now)
    {
        const double first = 1 - kana.Difficulty / 2;
        if (kana.Stability == 0)
            kana.Stability = first;
        else if (recalled)
            kana.Stability *= 1 + 6 * (1 - 0.6 * kana.Difficulty) * (1 - recall);
        else
            kana.Stability = std::max(first, kana.Stability / 2);
        kana.LastSeen = now;
    }
};

// Boards played until the morning the learner knows the whole set; MostDays' boards when never.
int BoardsToMastery(uint32_t seed, TDealing dealing)
{
    TLearner learner(seed, dealing);
    int boards = 0;
    for (int day = FirstDay; day < FirstDay + MostDays; ++day) {
        if (boards > 0 && learner.Mastered(day))
            return boards;
        for (const double hour : BoardHours) {
            learner.PlayBoard(day, day + hour / 24);
            ++boards;
        }
    }
    return boards;
}

}  // namespace

int main()
{
    std::printf("%d simulated learners, the %d kana of the set in hiragana, %d boards a day\n", Learners, SetSize, BoardsPerDay);
    std::printf("%-8s %8s %8s %8s\n", "learner", "review", "slowest", "random");
    std::array<long, 3> total{};
    for (uint32_t seed = 1; seed <= Learners; ++seed) {
        std::array<int, 3> boards{};
        for (const TDealing dealing : {TDealing::Review, TDealing::Slowest, TDealing::Random})
            boards[size_t(dealing)] = BoardsToMastery(seed, dealing);
        std::printf("%-8u %8d %8d %8d\n", seed, boards[0], boards[1], boards[2]);
        for (size_t i = 0; i < total.size(); ++i)
            total[i] += boards[i];
    }
    const auto mean = [](long sum) { return static_cast<int>(std::lround(static_cast<double>(sum) / Learners)); };
    std::printf("boards to mastery: review %d, slowest %d, random %d\n", mean(total[0]), mean(total[1]), mean(total[2]));
    return 0;
}
