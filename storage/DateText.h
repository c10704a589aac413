#pragma once

#include <array>
#include <string>

#include "model/LocalTime.h"

// What the date text takes from the user's locale.
struct TLocaleFormats {
    // d dd ddd dddd, M MM MMM MMMM, yy yyyy; '/' stands for DateSeparator; text in '...' is literal.
    std::string ShortDate = "M/d/yy";
    std::string DateSeparator = "/";
    std::string TimeSeparator = ":";
    bool HourLeadingZero = true;
    bool TwelveHour = false;
    std::string AmDesignator = "AM";
    std::string PmDesignator = "PM";
    bool DesignatorFirst = false;
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January", "February", "March",     "April",
                                               "May",     "June",     "July",      "August",
                                               "September", "October", "November", "December"};
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};

    bool operator==(const TLocaleFormats&) const = default;
};

// The short date, then, unless the time is exactly midnight, one space and the long time.
std::string FormatDateText(const TLocalTime& time, const TLocaleFormats& formats);

// The formats of the user's locale, installed once at start-up by the window side; until then
// the defaults above (a 24-hour clock and the date form "M/d/yy").
void InstallLocaleFormats(const TLocaleFormats& formats);
TLocaleFormats InstalledLocaleFormats();
