#include "qt/common/SystemDateText.h"

#include "storage/ScoreRecord.h"
#include "storage/ScoreRecordSplit.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

const TLocalTime Afternoon{2026, 12, 6, 0, 14, 3, 59};
const TLocalTime Morning{2026, 1, 5, 1, 9, 4, 5};

std::string DateText(const char* locale, const TLocalTime& time)
{
    return FormatDateText(time, LocaleFormatsOf(QLocale(QString::fromLatin1(locale))));
}

TEST(SystemDateText, EachLocaleWritesItsOwnForm)
{
    const struct {
        const char* Locale;
        TLocalTime Time;
        const char* Expected;
    } cases[] = {
        {"de_DE", Afternoon, "06.12.26 14:03:59"},
        {"de_DE", Morning, "05.01.26 09:04:05"},
        {"fi_FI", Morning, "5.1.2026 9.04.05"},
        {"ja_JP", Afternoon, "2026/12/06 14:03:59"},  // the long time's 14時03分59秒: words are no separator
        {"en_US", Afternoon, "12/6/26 2:03:59 PM"},
        {"en_US", Morning, "1/5/26 9:04:05 AM"},
        {"ko_KR", Afternoon, "26. 12. 6. 오후 2:03:59"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DateText(c.Locale, c.Time), c.Expected) << c.Locale;
}

TEST(SystemDateText, NamesComeFromTheLocale)
{
    const TLocaleFormats german = LocaleFormatsOf(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.LongMonthNames[2], "März");
    EXPECT_EQ(german.LongDayNames[0], "Sonntag");
}

// Some locales write "a. m." with a no-break space, the record's field quote, inside.
TEST(SystemDateText, EveryLocalesRecordSplitsIntoItsFiveFields)
{
    const std::string name = "  さくら, Anna  ";
    int cleaned = 0;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const TLocaleFormats formats = LocaleFormatsOf(locale);
        for (const TLocalTime& time : {TLocalTime{2026, 12, 6, 0, 0, 0, 0}, Morning, Afternoon}) {
            const QString date = QString::fromStdString(FormatDateText(time, formats));
            const QString shown = QString(date).replace(QChar(0xA0), u' ').replace(QChar(0xAA), u'a');
            cleaned += shown != date;
            EXPECT_EQ(SplitScoreRecord(ScoreRecord(date.toStdString(), name, "0:12:34", 3, "Flat Square")),
                      (std::vector<std::string>{shown.toStdString(), name, "0:12:34", "3", "Flat Square"}))
                << locale.name().toStdString();
        }
    }
    EXPECT_GT(cleaned, 0) << "no locale put a marker into its date text: the loop tested nothing to clean";
}

TEST(SystemDateText, InstallTakesTheSystemLocale)
{
    const TLocaleFormats before = InstalledLocaleFormats();
    InstallSystemDateText();
    EXPECT_EQ(InstalledLocaleFormats(), LocaleFormatsOf(QLocale::system()));
    InstallLocaleFormats(before);
}

} // namespace
