#pragma once

#include <vector>

#include "model/KanaMemory.h"
#include "model/Recognition.h"

// The two kinds of review a pair can be, each with its own memory: matching two tiles by sight,
// and recalling the sound of a kana shown alone by typing its reading.
enum class TReviewKind : uint8_t { Matching, Typed };
inline constexpr int ReviewKindCount = 2;

// One kana's grade from one game.
struct TKanaReview {
    TSeenKana Kana;
    TReviewKind Kind = TReviewKind::Matching;
    TGrade Grade = TGrade::Good;

    bool operator==(const TKanaReview&) const = default;
};

// A kana in this game was slow when its time was at least this many times the game's median.
inline constexpr double SlowRatio = 2.5;
// Below this many timed pairs of a kind in a game, its median says too little to judge by.
inline constexpr size_t LeastTimedForPace = 8;

// The grade of every kana the game saw, for each kind of review it had (see Grading.cpp for the
// rule and its reasons), in the order of the kana, script and kind.
std::vector<TKanaReview> GradeGame(const std::vector<TRecognitionSample>& samples, const std::vector<TMixUp>& mixUps);
