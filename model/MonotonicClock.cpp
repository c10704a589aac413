#include "model/MonotonicClock.h"

#include <chrono>

namespace {

class TSteadyClock final : public TMonotonicClock {
public:
    int64_t Milliseconds() const override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};

}  // namespace

const TMonotonicClock& SteadyClock()
{
    static const TSteadyClock clock;
    return clock;
}

void TStopwatch::Start()
{
    if (RunningSince < 0)
        RunningSince = Clock.Milliseconds();
}

void TStopwatch::Stop()
{
    if (RunningSince < 0)
        return;
    Stored += Clock.Milliseconds() - RunningSince;
    RunningSince = -1;
}

int64_t TStopwatch::Tenths() const
{
    const int64_t running = RunningSince < 0 ? 0 : Clock.Milliseconds() - RunningSince;
    return (Stored + running) / 100;
}
