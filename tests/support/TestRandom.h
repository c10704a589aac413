#pragma once

#include <deque>
#include <vector>

#include <gtest/gtest.h>

#include "model/RandomSource.h"
#include "tests/support/SeededRandom.h"

// Hands out the scripted draws, then 0 for ever (a deal attempt drawing tile 1 twice swaps nothing).
class TScriptedRandom : public TRandomSource {
public:
    TScriptedRandom() = default;
    explicit TScriptedRandom(std::vector<uint32_t> draws) : Draws(draws.begin(), draws.end()) {}

    int Seeds = 0;
    int DrawCount = 0;

    void Seed() override { ++Seeds; }
    uint32_t Below(uint32_t n) override
    {
        ++DrawCount;
        EXPECT_EQ(n, 192u);
        if (Draws.empty())
            return 0;
        const uint32_t draw = Draws.front();
        Draws.pop_front();
        EXPECT_LT(draw, n);
        return draw;
    }

private:
    std::deque<uint32_t> Draws;
};

using TSwaps = std::vector<std::pair<uint32_t, uint32_t>>;

// The draws of a whole deal: the swap attempts of each pass (tile numbers 1..192), the rest of the
// pass's 192 attempts drawing tile 1 twice.
inline std::vector<uint32_t> DealScript(const TSwaps& firstPass, const TSwaps& secondPass = {})
{
    std::vector<uint32_t> draws;
    for (const TSwaps* pass : {&firstPass, &secondPass}) {
        for (const auto& [a, b] : *pass) {
            draws.push_back(a - 1);
            draws.push_back(b - 1);
        }
        draws.resize(draws.size() + 2 * (192 - pass->size()), 0);
    }
    return draws;
}
