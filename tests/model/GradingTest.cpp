#include <gtest/gtest.h>

#include <tuple>

#include "model/Grading.h"

namespace {

constexpr TScript H = TScript::Hiragana;
constexpr TScript K = TScript::Katakana;

TRecognitionSample Time(TKanaId kana, int32_t tenths, TScript script = H) { return {kana, script, false, tenths}; }
TRecognitionSample Typed(TKanaId kana, int32_t tenths) { return {kana, H, false, tenths, true}; }
TRecognitionSample Hint(TKanaId kana) { return {kana, H, true, 0}; }

TGrade GradeOf(const std::vector<TKanaReview>& reviews, TKanaId kana, TReviewKind kind = TReviewKind::Matching, TScript script = H)
{
    for (const TKanaReview& review : reviews)
        if (review.Kana == TSeenKana{kana, script} && review.Kind == kind)
            return review.Grade;
    ADD_FAILURE() << "no grade for kana " << int(kana);
    return TGrade::Good;
}

// A game of ten kana taken in 2 s each (the game's median 2 s) but for a few.
std::vector<TRecognitionSample> EvenGame()
{
    std::vector<TRecognitionSample> samples;
    for (TKanaId kana = 0; kana < 10; ++kana)
        samples.push_back(Time(kana, 20));
    return samples;
}

// Each script of a kana and each kind of review has its own grade; typed times are judged among
// typed times, and a mix-up (a press on a tile) grades matching alone.
TEST(Grading, MixUpsAndHintsFailTheKanaTimeTellsHardFromGoodAndScriptsAndKindsAreGradedApart)
{
    std::vector<TRecognitionSample> samples = EvenGame();
    samples[1].Tenths = 50;   // 2.5 times the median: slow
    samples[2].Tenths = 49;   // just under
    samples[3].Tenths = 1;    // quick is still Good
    samples.push_back(Time(4, 300));  // slow once, but its median with 2 s is 16 s
    samples.push_back(Hint(5));
    samples.push_back(Time(6, 300));  // slow and mixed up: the mix-up wins
    samples.push_back(Time(0, 20, K));
    for (TKanaId kana = 0; kana < 8; ++kana)
        samples.push_back(Typed(kana, kana == 2 ? 100 : 40));  // typed median 4 s: 10 s is slow among them
    const std::vector<TMixUp> mixUps = {MixUpOf({6, H}, {7, H}), MixUpOf({20, H}, {21, H}), MixUpOf({0, K}, {1, K})};
    const auto reviews = GradeGame(samples, mixUps);
    constexpr TReviewKind M = TReviewKind::Matching, T = TReviewKind::Typed;
    const std::tuple<TKanaId, TReviewKind, TScript, TGrade> expected[] = {
        {0, M, H, TGrade::Good},  {1, M, H, TGrade::Hard},  {2, M, H, TGrade::Good},  {3, M, H, TGrade::Good},
        {4, M, H, TGrade::Hard},  {5, M, H, TGrade::Again}, {6, M, H, TGrade::Again}, {7, M, H, TGrade::Again},
        {20, M, H, TGrade::Again}, {21, M, H, TGrade::Again}, {0, M, K, TGrade::Again}, {1, M, K, TGrade::Again},
        {0, T, H, TGrade::Good},  {1, T, H, TGrade::Good},  {2, T, H, TGrade::Hard},  {6, T, H, TGrade::Good},
    };
    for (const auto& [kana, kind, script, grade] : expected)
        EXPECT_EQ(GradeOf(reviews, kana, kind, script), grade) << int(kana) << " kind " << int(kind) << " script " << int(script);
    EXPECT_EQ(reviews.size(), 22u) << "every kana seen once in each script and kind, the mixed-up ones not taken too";
}

// With fewer than LeastTimedForPace timed pairs the game's median says nothing.
TEST(Grading, AGameWithFewTimesJudgesNoTime)
{
    const std::vector<TRecognitionSample> samples = {Time(0, 10), Time(1, 10), Time(2, 10), Time(3, 900)};
    EXPECT_EQ(GradeOf(GradeGame(samples, {}), 3), TGrade::Good);
}

}  // namespace
