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

const TLocalTime Afternoon{2026, 12, 6, 0, 14, 3, 59};
const TLocalTime Morning{2026, 1, 5, 1, 9, 4, 5};

TEST(DateText, TwentyFourHourDayMonthYear)
{
    const TLocaleFormats german = TTestStore::GermanFormats();
    EXPECT_EQ(FormatDateText(Afternoon, german), "06.12.2026 14:03:59");
    EXPECT_EQ(FormatDateText(Morning, german), "05.01.2026 09:04:05");
    EXPECT_EQ(FormatDateText({2026, 1, 5, 1, 0, 0, 1}, german), "05.01.2026 00:00:01");
}

TEST(DateText, TwelveHourWithTheDesignatorAfter)
{
    const TLocaleFormats us = TwelveHour("M/d/yy");
    EXPECT_EQ(FormatDateText(Afternoon, us), "12/6/26 2:03:59 PM");
    EXPECT_EQ(FormatDateText(Morning, us), "1/5/26 9:04:05 AM");
    EXPECT_EQ(FormatDateText({2026, 1, 5, 1, 0, 30, 0}, us), "1/5/26 12:30:00 AM");
    EXPECT_EQ(FormatDateText({2026, 1, 5, 1, 12, 0, 1}, us), "1/5/26 12:00:01 PM");
}

TEST(DateText, TwelveHourWithTheDesignatorBefore)
{
    TLocaleFormats formats = TwelveHour("yyyy/MM/dd");
    formats.AmDesignator = "午前";
    formats.PmDesignator = "午後";
    formats.DesignatorFirst = true;
    formats.HourLeadingZero = true;
    EXPECT_EQ(FormatDateText(Morning, formats), "2026/01/05 午前 09:04:05");
    EXPECT_EQ(FormatDateText(Afternoon, formats), "2026/12/06 午後 02:03:59");
}

TEST(DateText, MidnightHasNoTimePart)
{
    EXPECT_EQ(FormatDateText({2026, 12, 6, 0, 0, 0, 0}, TwelveHour("M/d/yy")), "12/6/26");
    EXPECT_EQ(FormatDateText({2026, 12, 6, 0, 0, 0, 0}, TTestStore::GermanFormats()), "06.12.2026");
}

TEST(DateText, SeparatorsNamesAndLiteralText)
{
    TLocaleFormats formats = TwelveHour("M/d/yy");
    formats.DateSeparator = "-";
    formats.TimeSeparator = ".";
    EXPECT_EQ(FormatDateText(Afternoon, formats), "12-6-26 2.03.59 PM");

    formats.ShortDate = "dddd, d 'of' MMMM yyyy ('')";
    EXPECT_EQ(FormatDateText(Afternoon, formats), "Sunday, 6 of December 2026 (') 2.03.59 PM");
    formats.ShortDate = "ddd d MMM";
    EXPECT_EQ(FormatDateText(Morning, formats), "Mon 5 Jan 9.04.05 AM");

    formats.ShortDate.clear();
    EXPECT_EQ(FormatDateText(Afternoon, formats), "12-6-26 2.03.59 PM");
}

} // namespace
