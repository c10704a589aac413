#include "tests/support/TestStore.h"

#include "storage/DateText.h"

#include <gtest/gtest.h>

namespace {

TLocaleFormats TwelveHour(const std::string& shortDate)
{
    TLocaleFormats formats;
    formats.ShortDate = shortDate;
    formats.DateSeparator = "/";
    formats.HourLeadingZero = false;
    formats.TwelveHour = true;
    return formats;
}

TLocaleFormats DesignatorFirst()
{
    TLocaleFormats formats = TwelveHour("yyyy/MM/dd");
    formats.AmDesignator = "午前";
    formats.PmDesignator = "午後";
    formats.DesignatorFirst = true;
    formats.HourLeadingZero = true;
    return formats;
}

TLocaleFormats OtherSeparators(const std::string& shortDate)
{
    TLocaleFormats formats = TwelveHour(shortDate);
    formats.DateSeparator = "-";
    formats.TimeSeparator = ".";
    return formats;
}

const TLocalTime Afternoon{2026, 12, 6, 0, 14, 3, 59};
const TLocalTime Morning{2026, 1, 5, 1, 9, 4, 5};
const TLocalTime Midnight{2026, 12, 6, 0, 0, 0, 0};

TEST(DateText, TheShortDateThenTheLongTimeButAtMidnight)
{
    const TLocaleFormats german = TTestStore::GermanFormats();
    const TLocaleFormats us = TwelveHour("M/d/yy");
    const struct {
        TLocalTime Time;
        TLocaleFormats Formats;
        const char* Expected;
    } cases[] = {
        {Afternoon, german, "06.12.2026 14:03:59"},
        {Morning, german, "05.01.2026 09:04:05"},
        {{2026, 1, 5, 1, 0, 0, 1}, german, "05.01.2026 00:00:01"},
        {Midnight, german, "06.12.2026"},
        {Afternoon, us, "12/6/26 2:03:59 PM"},
        {Morning, us, "1/5/26 9:04:05 AM"},
        {{2026, 1, 5, 1, 0, 30, 0}, us, "1/5/26 12:30:00 AM"},
        {{2026, 1, 5, 1, 12, 0, 1}, us, "1/5/26 12:00:01 PM"},
        {Midnight, us, "12/6/26"},
        {Morning, DesignatorFirst(), "2026/01/05 午前 09:04:05"},
        {Afternoon, DesignatorFirst(), "2026/12/06 午後 02:03:59"},
        {Afternoon, OtherSeparators("M/d/yy"), "12-6-26 2.03.59 PM"},
        {Afternoon, OtherSeparators("dddd, d 'of' MMMM yyyy ('')"), "Sunday, 6 of December 2026 (') 2.03.59 PM"},
        {Morning, OtherSeparators("ddd d MMM"), "Mon 5 Jan 9.04.05 AM"},
        {Afternoon, OtherSeparators(""), "12-6-26 2.03.59 PM"},  // no short date: the default's
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDateText(c.Time, c.Formats), c.Expected);
}

} // namespace
