#pragma once

#include <cstdint>
#include <random>

#include "model/RandomSource.h"

// Repeatable draws: seeding from the clock is left out so that a game can be replayed.
class TSeededRandom : public TRandomSource {
public:
    explicit TSeededRandom(uint32_t seed = 1) : Generator(seed) {}

    void Seed() override {}
    uint32_t Below(uint32_t n) override { return std::uniform_int_distribution<uint32_t>(0, n - 1)(Generator); }

private:
    std::mt19937 Generator;
};
