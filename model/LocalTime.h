#pragma once

// A moment on the computer's local calendar and clock.
struct TLocalTime {
    int Year = 1970;
    int Month = 1;     // 1..12
    int Day = 1;       // 1..31
    int DayOfWeek = 4; // 0 Sunday .. 6 Saturday
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

TLocalTime LocalTimeNow();
