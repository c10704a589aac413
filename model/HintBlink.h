#pragma once

#include <cstdint>

// A hint lights its pair and puts it out five times; each of the ten phases lasts as long as the
// hint speed says, timed by the front end's clock. The lengths are what a player saw on a desktop
// when the blink still counted passes of the event pump (about 0.85 us a pass), but for the short
// one, which would have lasted half a frame and is stretched to show for at least one.
inline constexpr int BlinkCount = 5;
inline constexpr int BlinkPhaseCount = 2 * BlinkCount;

// 0 short, 1 medium, 2 long; any other speed blinks like medium.
constexpr uint32_t BlinkPhaseMilliseconds(uint8_t hintSpeed)
{
    switch (hintSpeed) {
    case 0: return 20;
    case 2: return 8500;
    default: return 850;
    }
}

// One hint's blink under way: its pair, kept by tile number whatever happens to the tiles, and the
// phase it is in (even: lit, odd: plain).
struct THintBlink {
    uint8_t First = 0;
    uint8_t Second = 0;
    int Phase = 0;
};
