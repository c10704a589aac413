#include <gtest/gtest.h>

#include <string>

#include "model/KanaMemory.h"

namespace {

// Hand-worked from the published formulas and default weights: a memory of stability 10 days and
// difficulty 5 reviewed 10 days on, when its recall is (1 + 19/81)^-0.5 = 0.9; and a first review,
// which takes the grade's initial stability and difficulty.
TEST(KanaMemory, EachGradeMovesStabilityAndDifficultyAsFsrsFiveStates)
{
    const TKanaMemory known{10, 5, 100}, never{};
    struct TCase {
        TKanaMemory Before;
        TGrade Grade;
        int32_t Day;
        double Stability;
        double Difficulty;
    };
    const TCase cases[] = {
        {known, TGrade::Again, 110, 2.107696, 6.607035},  // w11 D^-w12 ((S+1)^w13 - 1) e^(w14 (1 - R))
        {known, TGrade::Hard, 110, 15.313912, 5.799434},   // the growth of Good times w15
        {known, TGrade::Good, 110, 32.954264, 4.991833},   // S (1 + e^w8 (11 - D) S^-w9 (e^(w10 (1 - R)) - 1))
        {known, TGrade::Easy, 110, 78.628658, 4.184232},   // times w16
        {known, TGrade::Again, 100, 5.010285, 6.607035},   // the same day: S e^(w17 (G - 3 + w18))
        {known, TGrade::Good, 100, 14.077712, 4.991833},
        {known, TGrade::Good, 99, 14.077712, 4.991833},    // a clock set back counts as the same day
        {never, TGrade::Again, 7, 0.40255, 7.1949},
        {never, TGrade::Hard, 7, 1.18385, 6.488305},
        {never, TGrade::Good, 7, 3.173, 5.282434},  // w4 - e^(2 w5) + 1
        {never, TGrade::Easy, 7, 15.69105, 3.224502},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::to_string(int(test.Grade)) + " on day " + std::to_string(test.Day));
        const TKanaMemory after = AfterReview(test.Before, test.Grade, test.Day);
        EXPECT_NEAR(after.Stability, test.Stability, 1e-6);
        EXPECT_NEAR(after.Difficulty, test.Difficulty, 1e-6);
        EXPECT_EQ(after.LastDay, test.Day);
        EXPECT_TRUE(after.Reviewed());
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
