#pragma once

#include "model/MonotonicClock.h"

// A monotonic clock that moves only when the test moves it.
struct TFakeClock final : TMonotonicClock {
    int64_t Now = 0;
    int64_t Milliseconds() const override { return Now; }
};
