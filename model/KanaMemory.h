#pragma once

#include <cstdint>

// How well the player remembers one kana in one script for one kind of review, after FSRS-5:
// a stability (days until recall falls to 90 %) and a difficulty (1..10). Never reviewed: 0 and 0.
struct TKanaMemory {
    double Stability = 0;
    double Difficulty = 0;
    int32_t LastDay = 0;  // day number of the last review

    bool Reviewed() const { return Stability > 0; }
    bool operator==(const TKanaMemory&) const = default;
};

// FSRS's four grades of a review.
enum class TGrade : uint8_t { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// Below this predicted recall a kana is due for review; at or above it, learned.
inline constexpr double DueRecall = 0.9;

// The chance of recall after that many days (0 for a kana never reviewed).
double PredictedRecall(const TKanaMemory& memory, double days);
double RecallOn(const TKanaMemory& memory, int32_t day);
bool IsDue(const TKanaMemory& memory, int32_t day);
bool IsLearned(const TKanaMemory& memory, int32_t day);

// The memory after a review graded on that day.
TKanaMemory AfterReview(const TKanaMemory& memory, TGrade grade, int32_t day);
