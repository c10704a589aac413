#include "storage/DateText.h"

#include <mutex>

namespace {

std::string Padded(int number, std::size_t digits)
{
    std::string text = std::to_string(number);
    return std::string(text.size() < digits ? digits - text.size() : 0, '0') + text;
}

std::string DateField(char letter, std::size_t count, const TLocalTime& time, const TLocaleFormats& formats)
{
    const std::size_t month = static_cast<std::size_t>(time.Month - 1) % 12;
    const std::size_t weekday = static_cast<std::size_t>(time.DayOfWeek) % 7;
    switch (letter) {
    case 'd':
        if (count >= 4)
            return formats.LongDayNames[weekday];
        if (count == 3)
            return formats.ShortDayNames[weekday];
        return Padded(time.Day, count);
    case 'M':
        if (count >= 4)
            return formats.LongMonthNames[month];
        if (count == 3)
            return formats.ShortMonthNames[month];
        return Padded(time.Month, count);
    default: // 'y'
        if (count >= 3)
            return Padded(time.Year, 4);
        return Padded(time.Year % 100, count);
    }
}

std::string ShortDate(const TLocalTime& time, const TLocaleFormats& formats)
{
    const std::string& pattern = formats.ShortDate.empty() ? TLocaleFormats{}.ShortDate : formats.ShortDate;
    std::string text;
    for (std::size_t i = 0; i < pattern.size();) {
        const char c = pattern[i];
        if (c == 'd' || c == 'M' || c == 'y') {
            const std::size_t end = pattern.find_first_not_of(c, i);
            const std::size_t count = (end == std::string::npos ? pattern.size() : end) - i;
            text += DateField(c, count, time, formats);
            i += count;
        } else if (c == '\'' && i + 1 < pattern.size() && pattern[i + 1] == '\'') {
            text += c;
            i += 2;
        } else if (c == '\'') {
            // quoted literal text, in which '' stands for one quote
            for (++i; i < pattern.size(); ++i) {
                if (pattern[i] != '\'')
                    text += pattern[i];
                else if (i + 1 < pattern.size() && pattern[i + 1] == '\'')
                    text += pattern[++i];
                else
                    break;
            }
            ++i;
        } else {
            text += c == '/' ? formats.DateSeparator : std::string(1, c);
            ++i;
        }
    }
    return text;
}

std::string LongTime(const TLocalTime& time, const TLocaleFormats& formats)
{
    int hour = time.Hour;
    if (formats.TwelveHour && (hour %= 12) == 0)
        hour = 12;
    const std::string clock = Padded(hour, formats.HourLeadingZero ? 2 : 1) + formats.TimeSeparator +
                              Padded(time.Minute, 2) + formats.TimeSeparator + Padded(time.Second, 2);
    if (!formats.TwelveHour)
        return clock;
    const std::string& designator = time.Hour < 12 ? formats.AmDesignator : formats.PmDesignator;
    if (designator.empty())
        return clock;
    return formats.DesignatorFirst ? designator + " " + clock : clock + " " + designator;
}

std::mutex InstalledLock;
TLocaleFormats Installed;

} // namespace

std::string FormatDateText(const TLocalTime& time, const TLocaleFormats& formats)
{
    std::string text = ShortDate(time, formats);
    if (time.Hour != 0 || time.Minute != 0 || time.Second != 0)
        text += " " + LongTime(time, formats);
    return text;
}

void InstallLocaleFormats(const TLocaleFormats& formats)
{
    const std::lock_guard lock(InstalledLock);
    Installed = formats;
}

TLocaleFormats InstalledLocaleFormats()
{
    const std::lock_guard lock(InstalledLock);
    return Installed;
}
