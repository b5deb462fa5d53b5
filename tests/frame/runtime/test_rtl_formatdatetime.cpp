// FormatDateTime tokens with the English/US test locale, quoting, the 12-hour clock and
// odd formats.
#include <frame/runtime/rtl.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <limits>
#include <random>

using namespace vek;

namespace {

// Tuesday, 2026-12-08 14:05:09.007.
TDateTime Sample()
{
    return EncodeDate(2026, 12, 8) + EncodeTime(14, 5, 9, 7);
}

QString Formatted(const char* format, TDateTime value = Sample())
{
    return FormatDateTime(QString::fromUtf8(format), value);
}

TEST(RtlFormatDateTime, DateTokens)
{
    EXPECT_EQ(Formatted("mmm-dd, yyyy", EncodeDate(2026, 12, 8)), "Dec-08, 2026");
    EXPECT_EQ(Formatted("d.m.yy"), "8.12.26");
    EXPECT_EQ(Formatted("dd mm yyyy", EncodeDate(2005, 3, 4)), "04 03 2005");
    EXPECT_EQ(Formatted("ddd dddd"), "Tue Tuesday");
    EXPECT_EQ(Formatted("mmm mmmm"), "Dec December");
    EXPECT_EQ(Formatted("yy yyyy", EncodeDate(1, 1, 1)), "01 0001");
}

TEST(RtlFormatDateTime, LettersMayBeUpperCase)
{
    EXPECT_EQ(Formatted("DD-MMM-YYYY HH:NN:SS"), "08-Dec-2026 14:05:09");
}

TEST(RtlFormatDateTime, TimeTokens)
{
    EXPECT_EQ(Formatted("hh:nn:ss.zzz"), "14:05:09.007");
    EXPECT_EQ(Formatted("h:n:s.z"), "14:5:9.7");
    EXPECT_EQ(Formatted("hh:mm"), "14:05");
    EXPECT_EQ(Formatted("h 'h' m"), "14 h 5");
    EXPECT_EQ(Formatted("mm hh mm"), "12 14 05");
    EXPECT_EQ(Formatted("hh mm", EncodeTime(0, 0, 0, 0)), "00 00");
}

TEST(RtlFormatDateTime, AmPmSwitchesToTheTwelveHourClock)
{
    EXPECT_EQ(Formatted("h:mm am/pm"), "2:05 pm");
    EXPECT_EQ(Formatted("h:mm AM/PM"), "2:05 PM");
    EXPECT_EQ(Formatted("hh a/p"), "02 p");
    EXPECT_EQ(Formatted("h ampm"), "2 PM");
    EXPECT_EQ(Formatted("h am/pm", EncodeTime(0, 30, 0, 0)), "12 am");
    EXPECT_EQ(Formatted("h A/P", EncodeTime(12, 0, 0, 0)), "12 P");
    EXPECT_EQ(Formatted("h:mm", EncodeTime(0, 30, 0, 0)), "0:30");
}

TEST(RtlFormatDateTime, LocaleFormsAndSeparators)
{
    EXPECT_EQ(Formatted("ddddd"), "12/8/2026");
    EXPECT_EQ(Formatted("dddddd"), "Tuesday, December 8, 2026");
    EXPECT_EQ(Formatted("t"), "2:05 PM");
    EXPECT_EQ(Formatted("tt"), "2:05:09 PM");
    EXPECT_EQ(Formatted("c"), "12/8/2026 2:05:09 PM");
    EXPECT_EQ(Formatted("c", EncodeDate(2026, 12, 8)), "12/8/2026");
    EXPECT_EQ(Formatted("", EncodeDate(2026, 12, 8)), "12/8/2026");
    EXPECT_EQ(Formatted("d/m/yyyy h:n"), "8/12/2026 14:5");
}

TEST(RtlFormatDateTime, GermanLocaleNamesAndSeparators)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString date = Formatted("dd/mm/yyyy, dddd, mmmm");
    const QString shortDate = Formatted("ddddd");
    QLocale::setDefault(previous);
    EXPECT_EQ(date, "08.12.2026, Dienstag, Dezember");
    EXPECT_EQ(shortDate, "08.12.2026");
}

TEST(RtlFormatDateTime, QuotedAndOtherCharactersAreCopied)
{
    EXPECT_EQ(Formatted("'Today is' dddd"), "Today is Tuesday");
    EXPECT_EQ(Formatted("\"d\"d"), "d8");
    EXPECT_EQ(Formatted("'unterminated d"), "unterminated d");
    EXPECT_EQ(Formatted("[yyyy] #!"), "[2026] #!");
    EXPECT_EQ(Formatted("a"), "a");
}

TEST(RtlFormatDateTime, LongRunsSplitIntoTokens)
{
    EXPECT_EQ(Formatted("yyyyy"), "2026");
    EXPECT_EQ(Formatted("mmmmm"), "December12");
    EXPECT_EQ(Formatted("hhh"), "1414");
    EXPECT_EQ(Formatted("zzzz"), "0077");
}

TEST(RtlFormatDateTime, SurvivesOddFormatsAndValues)
{
    const QString alphabet = QStringLiteral("cdmyhnsztap/:'\"AMPM x");
    std::mt19937 random(81226);
    std::uniform_int_distribution<qsizetype> pick(0, alphabet.size() - 1);
    const TDateTime values[] = {Sample(), -0.25, 0, std::numeric_limits<double>::quiet_NaN(),
                                1e300, -1e300};
    for (int i = 0; i < 2000; ++i) {
        QString format;
        for (int n = i % 11 + 1; n > 0; --n)
            format += alphabet.at(pick(random));
        for (const TDateTime value : values)
            FormatDateTime(format, value);
    }
    EXPECT_EQ(Formatted("dd/mm/yyyy", std::numeric_limits<double>::quiet_NaN()), "00/00/0000");
}

} // namespace
