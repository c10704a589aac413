#include <gtest/gtest.h>

#include "model/KanaMemory.h"

namespace {

// Hand-worked from the published formulas and default weights: a memory of stability 10 days and
// difficulty 5 reviewed 10 days on, when its recall is (1 + 19/81)^-0.5 = 0.9.
TEST(KanaMemory, EachGradeMovesStabilityAndDifficultyAsFsrsFiveStates)
{
    const TKanaMemory memory{10, 5, 100};
    struct TCase {
        TGrade Grade;
        int32_t Day;
        double Stability;
        double Difficulty;
    };
    const TCase cases[] = {
        {TGrade::Again, 110, 2.107696, 6.607035},  // w11 D^-w12 ((S+1)^w13 - 1) e^(w14 (1 - R))
        {TGrade::Hard, 110, 15.313912, 5.799434},   // the growth of Good times w15
        {TGrade::Good, 110, 32.954264, 4.991833},   // S (1 + e^w8 (11 - D) S^-w9 (e^(w10 (1 - R)) - 1))
        {TGrade::Easy, 110, 78.628658, 4.184232},   // times w16
        {TGrade::Again, 100, 5.010285, 6.607035},   // the same day: S e^(w17 (G - 3 + w18))
        {TGrade::Good, 100, 14.077712, 4.991833},
        {TGrade::Good, 99, 14.077712, 4.991833},    // a clock set back counts as the same day
    };
    for (const TCase& test : cases) {
        const TKanaMemory after = AfterReview(memory, test.Grade, test.Day);
        EXPECT_NEAR(after.Stability, test.Stability, 1e-5) << int(test.Grade) << " on day " << test.Day;
        EXPECT_NEAR(after.Difficulty, test.Difficulty, 1e-5) << int(test.Grade) << " on day " << test.Day;
        EXPECT_EQ(after.LastDay, test.Day);
    }
}

TEST(KanaMemory, AFirstReviewTakesTheGradesInitialStabilityAndDifficulty)
{
    const std::pair<TGrade, std::pair<double, double>> firsts[] = {
        {TGrade::Again, {0.40255, 7.1949}},
        {TGrade::Hard, {1.18385, 6.488305}},
        {TGrade::Good, {3.173, 5.282434}},  // w4 - e^(2 w5) + 1
        {TGrade::Easy, {15.69105, 3.224502}},
    };
    for (const auto& [grade, expected] : firsts) {
        const TKanaMemory first = AfterReview({}, grade, 7);
        EXPECT_NEAR(first.Stability, expected.first, 1e-6) << int(grade);
        EXPECT_NEAR(first.Difficulty, expected.second, 1e-6) << int(grade);
        EXPECT_TRUE(first.Reviewed());
    }
}

// Difficulty stays in 1..10 and stability above nothing, however often a grade repeats.
TEST(KanaMemory, DifficultyAndStabilityKeepTheirBounds)
{
    TKanaMemory memory = AfterReview({}, TGrade::Again, 0);
    for (int day = 0; day < 40; ++day)
        memory = AfterReview(memory, TGrade::Again, day / 2);
    EXPECT_LE(memory.Difficulty, 10);
    EXPECT_GT(memory.Difficulty, 9.8);  // damped towards 10, not stuck there
    EXPECT_GE(memory.Stability, 0.01);
    for (int day = 40; day < 80; ++day)
        memory = AfterReview(memory, TGrade::Easy, day);
    EXPECT_GE(memory.Difficulty, 1);
}

// Recall after t days: (1 + 19 t / (81 S))^-0.5; due below 0.9, which is after S days.
TEST(KanaMemory, RecallFallsWithTheDaysAndAKanaFallsDueAfterItsStability)
{
    const TKanaMemory memory{1, 5, 50};
    EXPECT_DOUBLE_EQ(PredictedRecall(memory, 0), 1);
    EXPECT_NEAR(PredictedRecall(memory, 1), 0.9, 1e-12);
    EXPECT_NEAR(RecallOn(memory, 53), 0.766131, 1e-6);
    EXPECT_DOUBLE_EQ(RecallOn(memory, 49), 1) << "no recall above certainty before the review";
    const std::pair<int32_t, bool> due[] = {{50, false}, {52, true}, {60, true}};
    for (const auto& [day, isDue] : due) {
        EXPECT_EQ(IsDue(memory, day), isDue) << day;
        EXPECT_EQ(IsLearned(memory, day), !isDue) << day;
    }
    EXPECT_EQ(PredictedRecall({}, 0), 0);
    EXPECT_FALSE(IsDue({}, 0)) << "a kana never reviewed is new, not due";
    EXPECT_FALSE(IsLearned({}, 0));
}

}  // namespace
