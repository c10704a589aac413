#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/KanaSets.h"
#include "model/LookAlikes.h"

// What the review deal knows of each catalogue kana in the scripts on the board.
struct TKanaReviewState {
    bool Reviewed = false;
    double Recall = 0;  // today's predicted recall: the least of the kana's memories on the board
};

struct TReviewPlan {
    std::vector<TKanaReviewState> Kana;  // by id; a kana it lacks was never reviewed
    // Kana to put on one board with each other: the player's mix-ups and the known look-alikes.
    std::vector<TKanaPair> Partners;
};

// How a review board's 48 faces are filled.
inline constexpr int ReviewDueFaces = 30;       // at most this many due kana, the least recalled first
inline constexpr int ReviewPartnersUpTo = 38;   // their look-alike partners join up to this many faces
inline constexpr int NewKanaPerBoard = 6;       // kana never reviewed, at random
inline constexpr int VarietyFaces = 6;          // at random from the rest of the set

// The kana of a review board from the set: the due kana (predicted recall below DueRecall), the
// least recalled first; beside them their partners already reviewed; then NewKanaPerBoard kana
// never reviewed, and VarietyFaces reviewed kana at random; the faces still empty take the reviewed
// kana that will be due soonest, then more new kana. Ties go in random order. The basic set is the designed game, as without review.
std::array<TKanaId, FaceCount> ChooseReviewKana(uint8_t kanaSet, const TReviewPlan& plan, TRandomSource& random);
