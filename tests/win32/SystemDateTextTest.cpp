#include <gtest/gtest.h>

#include "win32/common/SystemDateText.h"

namespace {

// Each part of the time format comes from its own locale setting; a day or month out of place
// would put the wrong name into the scores.
TEST(SystemDateTextTest, LocalesGiveTheirOwnFormats)
{
    const TLocaleFormats us = LocaleFormatsOf(L"en-US");
    EXPECT_EQ(us.ShortDate, "M/d/yyyy");
    EXPECT_TRUE(us.TwelveHour);
    EXPECT_FALSE(us.HourLeadingZero);
    EXPECT_FALSE(us.DesignatorFirst);
    EXPECT_EQ(us.AmDesignator, "AM");
    EXPECT_EQ(us.TimeSeparator, ":");
    EXPECT_EQ(us.LongDayNames[0], "Sunday");
    EXPECT_EQ(us.ShortDayNames[6], "Sat");
    EXPECT_EQ(us.LongMonthNames[0], "January");
    EXPECT_EQ(us.ShortMonthNames[11], "Dec");

    const TLocaleFormats german = LocaleFormatsOf(L"de-DE");
    EXPECT_NE(german.ShortDate.find(".M"), std::string::npos) << german.ShortDate;
    EXPECT_FALSE(german.TwelveHour);
    EXPECT_TRUE(german.HourLeadingZero);
    EXPECT_EQ(german.LongDayNames[1], "Montag");

    const TLocaleFormats korean = LocaleFormatsOf(L"ko-KR");
    EXPECT_TRUE(korean.TwelveHour);
    EXPECT_TRUE(korean.DesignatorFirst);
}

}  // namespace
