#include "model/KanaMemory.h"

#include <algorithm>
#include <array>
#include <cmath>

// The formulas and default weights of FSRS-5 (Free Spaced Repetition Scheduler, Jarrett Ye and
// open-spaced-repetition), as the project's "The Algorithm" page and py-fsrs's ALGORITHM.md state
// them:
//   R(t, S)        = (1 + FACTOR t / S)^DECAY, DECAY = -0.5, FACTOR = 0.9^(1/DECAY) - 1 = 19/81
//   S0(G)          = w[G-1]
//   D0(G)          = w4 - e^(w5 (G - 1)) + 1
//   D'(D, G)       = w7 D0(4) + (1 - w7) (D + dD (10 - D) / 9), dD = -w6 (G - 3)
//   S'r(D, S, R, G) = S (1 + e^w8 (11 - D) S^-w9 (e^(w10 (1 - R)) - 1) w15[G = 2] w16[G = 4])
//   S'f(D, S, R)   = min(S, w11 D^-w12 ((S + 1)^w13 - 1) e^(w14 (1 - R)))
//   S's(S, G)      = S e^(w17 (G - 3 + w18))   for a second review on the same day
// D is kept in 1..10 and S at 0.01 days or more.
namespace {

constexpr std::array<double, 19> W{0.40255, 1.18385, 3.173,  15.69105, 7.1949, 0.5345, 1.4604,
                                   0.0046,  1.54575, 0.1192, 1.01925,  1.9395, 0.11,   0.29605,
                                   2.2698,  0.2315,  2.9898, 0.51655,  0.6621};
constexpr double Decay = -0.5;
constexpr double Factor = 19.0 / 81.0;
constexpr double LeastStability = 0.01;

double Grade(TGrade grade)
{
    return static_cast<double>(grade);
}

double InitialDifficulty(TGrade grade)
{
    return W[4] - std::exp(W[5] * (Grade(grade) - 1)) + 1;
}

double ClampDifficulty(double difficulty)
{
    return std::clamp(difficulty, 1.0, 10.0);
}

double NextDifficulty(double difficulty, TGrade grade)
{
    // Damped, so that a hard kana's difficulty nears 10 without sticking there.
    const double moved = difficulty - W[6] * (Grade(grade) - 3) * (10 - difficulty) / 9;
    return ClampDifficulty(W[7] * InitialDifficulty(TGrade::Easy) + (1 - W[7]) * moved);
}

double RecallStability(double d, double s, double r, TGrade grade)
{
    const double hard = grade == TGrade::Hard ? W[15] : 1;
    const double easy = grade == TGrade::Easy ? W[16] : 1;
    return s * (1 + std::exp(W[8]) * (11 - d) * std::pow(s, -W[9]) * (std::exp(W[10] * (1 - r)) - 1) * hard * easy);
}

double ForgetStability(double d, double s, double r)
{
    return std::min(s, W[11] * std::pow(d, -W[12]) * (std::pow(s + 1, W[13]) - 1) * std::exp(W[14] * (1 - r)));
}

}  // namespace

double PredictedRecall(const TKanaMemory& memory, double days)
{
    if (!memory.Reviewed())
        return 0;
    return std::pow(1 + Factor * std::max(days, 0.0) / memory.Stability, Decay);
}

double RecallOn(const TKanaMemory& memory, int32_t day)
{
    return PredictedRecall(memory, day - memory.LastDay);
}

bool IsDue(const TKanaMemory& memory, int32_t day)
{
    return memory.Reviewed() && RecallOn(memory, day) < DueRecall;
}

bool IsLearned(const TKanaMemory& memory, int32_t day)
{
    return memory.Reviewed() && !IsDue(memory, day);
}

TKanaMemory AfterReview(const TKanaMemory& memory, TGrade grade, int32_t day)
{
    TKanaMemory next;
    next.LastDay = day;
    if (!memory.Reviewed()) {
        next.Stability = W[static_cast<size_t>(grade) - 1];
        next.Difficulty = ClampDifficulty(InitialDifficulty(grade));
        return next;
    }
    const double s = memory.Stability;
    const double d = memory.Difficulty;
    next.Difficulty = NextDifficulty(d, grade);
    if (day <= memory.LastDay)
        next.Stability = s * std::exp(W[17] * (Grade(grade) - 3 + W[18]));
    else if (grade == TGrade::Again)
        next.Stability = ForgetStability(d, s, RecallOn(memory, day));
    else
        next.Stability = RecallStability(d, s, RecallOn(memory, day), grade);
    next.Stability = std::max(next.Stability, LeastStability);
    return next;
}
