#pragma once

#include <cstdint>

// A clock that only ever moves forward, whatever is done to the wall clock.
class TMonotonicClock {
public:
    virtual ~TMonotonicClock() = default;
    virtual int64_t Milliseconds() const = 0;
};

// The system's steady clock, the same on every platform.
const TMonotonicClock& SteadyClock();

// Adds up the time between each Start and the following Stop.
class TStopwatch {
public:
    explicit TStopwatch(const TMonotonicClock& clock) : Clock(clock) {}

    void Start();  // a running stopwatch keeps running
    void Stop();
    int64_t Tenths() const;

private:
    const TMonotonicClock& Clock;
    int64_t Stored = 0;  // milliseconds before the current run
    int64_t RunningSince = -1;
};
