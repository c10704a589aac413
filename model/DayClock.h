#pragma once

#include <cstdint>

// Today's date as a day number (days since 1970-01-01 in local time), for how long ago a kana was
// last reviewed. Tests and the learning simulation set the days themselves.
class TDayClock {
public:
    virtual ~TDayClock() = default;
    virtual int32_t Today() const = 0;
};

// The computer's local calendar.
const TDayClock& SystemDays();
