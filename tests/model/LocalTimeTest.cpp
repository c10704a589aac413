#include <gtest/gtest.h>

#include <chrono>

#include "model/DayClock.h"
#include "model/LocalTime.h"

namespace {

using namespace std::chrono;

// The local time is the UTC clock moved by a time zone, whatever zone the machine is in: a field
// taken from the wrong place (a month counted from 0, years from 1900) puts it days or years out.
TEST(LocalTimeTest, NowIsTheUtcClockWithinAZoneAndTodayIsItsDay)
{
    const auto before = floor<seconds>(system_clock::now());
    const TLocalTime local = LocalTimeNow();
    const int32_t today = SystemDays().Today();
    const auto after = system_clock::now();

    const year_month_day date{year(local.Year), month(static_cast<unsigned>(local.Month)),
                              day(static_cast<unsigned>(local.Day))};
    ASSERT_TRUE(date.ok()) << local.Year << '-' << local.Month << '-' << local.Day;
    EXPECT_EQ(local.DayOfWeek, static_cast<int>(weekday(sys_days(date)).c_encoding()));
    const sys_seconds asIfUtc = sys_days(date) + hours(local.Hour) + minutes(local.Minute) + seconds(local.Second);
    // Zones run from twelve hours behind UTC to fourteen ahead.
    EXPECT_GE(asIfUtc, before - hours(12));
    EXPECT_LE(asIfUtc, after + hours(14));
    // Midnight may pass between the two readings.
    const int32_t dayNumber = sys_days(date).time_since_epoch().count();
    EXPECT_TRUE(today == dayNumber || today == dayNumber + 1) << today << " after " << dayNumber;
}

}  // namespace
