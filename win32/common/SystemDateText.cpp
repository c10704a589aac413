#include "win32/common/SystemDateText.h"

#include <windows.h>

#include "storage/WindowsText.h"

namespace {

// Windows gives each part of the time format as a setting of its own, so nothing is parsed here.
class TLocaleReader {
public:
    explicit TLocaleReader(const std::wstring& localeName)
        : Name(localeName.empty() ? LOCALE_NAME_USER_DEFAULT : localeName.c_str())
    {
    }

    std::string Text(LCTYPE type) const
    {
        wchar_t buffer[128] = {};
        return GetLocaleInfoEx(Name, type, buffer, static_cast<int>(std::size(buffer))) > 0 ? Utf8(buffer) : "";
    }

    bool Flag(LCTYPE type) const { return Text(type) == "1"; }

private:
    const wchar_t* Name;
};

}  // namespace

TLocaleFormats LocaleFormatsOf(const std::wstring& localeName)
{
    const TLocaleReader locale(localeName);
    TLocaleFormats formats;
    // The short date format carries its separators as literal text; '/' stays the date separator.
    formats.ShortDate = locale.Text(LOCALE_SSHORTDATE);
    formats.DateSeparator = locale.Text(LOCALE_SDATE);
    formats.TimeSeparator = locale.Text(LOCALE_STIME);
    formats.HourLeadingZero = locale.Flag(LOCALE_ITLZERO);
    formats.TwelveHour = !locale.Flag(LOCALE_ITIME);
    formats.DesignatorFirst = formats.TwelveHour && locale.Flag(LOCALE_ITIMEMARKPOSN);
    formats.AmDesignator = locale.Text(LOCALE_S1159);
    formats.PmDesignator = locale.Text(LOCALE_S2359);
    for (int month = 0; month < 12; ++month) {
        formats.ShortMonthNames[month] = locale.Text(LOCALE_SABBREVMONTHNAME1 + month);
        formats.LongMonthNames[month] = locale.Text(LOCALE_SMONTHNAME1 + month);
    }
    // Windows counts the days from Monday (DAYNAME1) to Sunday (DAYNAME7).
    for (int day = 0; day < 7; ++day) {
        const LCTYPE offset = static_cast<LCTYPE>(day == 0 ? 6 : day - 1);
        formats.ShortDayNames[day] = locale.Text(LOCALE_SABBREVDAYNAME1 + offset);
        formats.LongDayNames[day] = locale.Text(LOCALE_SDAYNAME1 + offset);
    }
    return formats;
}

void InstallSystemDateText()
{
    InstallLocaleFormats(LocaleFormatsOf(L""));
}
