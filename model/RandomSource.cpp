#include "model/RandomSource.h"

#include <chrono>

void TClockRandom::Seed()
{
    Generator.seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

uint32_t TClockRandom::Below(uint32_t n)
{
    return std::uniform_int_distribution<uint32_t>(0, n - 1)(Generator);
}
