#pragma once

#include <cstdint>
#include <random>

// The deal's random draws; a test scripts them, the game seeds from the clock.
class TRandomSource {
public:
    virtual ~TRandomSource() = default;
    virtual void Seed() = 0;
    virtual uint32_t Below(uint32_t n) = 0;  // uniform in [0, n)
};

class TClockRandom final : public TRandomSource {
public:
    void Seed() override;
    uint32_t Below(uint32_t n) override;

private:
    std::mt19937 Generator;
};
