#include "qt/common/SystemDateText.h"

#include <QLocale>

namespace {

// The unquoted letters of a Qt time format with what stands between them, e.g. "h:mm:ss AP t".
struct TTimeFormat {
    QChar HourLetter;
    qsizetype HourDigits = 0;
    qsizetype HourAt = -1;
    qsizetype DesignatorAt = -1;
    QString HourToMinute;
};

TTimeFormat ReadTimeFormat(const QString& format)
{
    TTimeFormat read;
    QString literal;
    bool afterHour = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == u'\'') {
            const qsizetype close = format.indexOf(u'\'', i + 1);
            const qsizetype end = close < 0 ? format.size() : close;
            literal += format.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if ((c == u'h' || c == u'H') && read.HourAt < 0) {
            read.HourLetter = c;
            read.HourDigits = run;
            read.HourAt = i;
            afterHour = true;
            literal.clear();
        } else if (c == u'm' && afterHour) {
            read.HourToMinute = literal;
            afterHour = false;
        } else if ((c == u'A' || c == u'a') && read.DesignatorAt < 0) {
            read.DesignatorAt = i;
        } else if (c.unicode() >= 128 || !c.isLetter()) {
            literal += QString(run, c); // ASCII letters are fields; others are text
        }
        i += run;
    }
    return read;
}

// A separator is punctuation or a blank: "時" or "시 " between the hours and the minutes are
// words that the rule's "hours, separator, minutes" cannot carry.
bool IsSeparator(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            return false;
    return true;
}

} // namespace

TLocaleFormats LocaleFormatsOf(const QLocale& locale)
{
    TLocaleFormats formats;
    // Qt's short date format carries its separators as literal text.
    formats.ShortDate = locale.dateFormat(QLocale::ShortFormat).toStdString();
    formats.DateSeparator = "/";

    const TTimeFormat longTime = ReadTimeFormat(locale.timeFormat(QLocale::LongFormat));
    const TTimeFormat shortTime = ReadTimeFormat(locale.timeFormat(QLocale::ShortFormat));
    if (IsSeparator(longTime.HourToMinute))
        formats.TimeSeparator = longTime.HourToMinute.toStdString();
    else if (IsSeparator(shortTime.HourToMinute))
        formats.TimeSeparator = shortTime.HourToMinute.toStdString();
    else
        formats.TimeSeparator = ":";
    formats.HourLeadingZero = longTime.HourDigits >= 2;
    formats.TwelveHour = longTime.HourLetter == u'h' && longTime.DesignatorAt >= 0;
    formats.DesignatorFirst = formats.TwelveHour && longTime.DesignatorAt < longTime.HourAt;
    formats.AmDesignator = locale.amText().toStdString();
    formats.PmDesignator = locale.pmText().toStdString();

    for (int month = 1; month <= 12; ++month) {
        formats.ShortMonthNames[month - 1] = locale.monthName(month, QLocale::ShortFormat).toStdString();
        formats.LongMonthNames[month - 1] = locale.monthName(month, QLocale::LongFormat).toStdString();
    }
    // Qt counts the days from Monday = 1 to Sunday = 7.
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day;
        formats.ShortDayNames[day] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
        formats.LongDayNames[day] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
    }
    return formats;
}

void InstallSystemDateText()
{
    InstallLocaleFormats(LocaleFormatsOf(QLocale::system()));
}
