// Date texts by the picker letters: ParseDateTime, DateTimeText and two-digit years.
#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>

using namespace vek;

namespace {

TDateTime At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0)
{
    return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, 0);
}

TDateTime TimeOf(int h, int mi, int s = 0)
{
    return EncodeTime(h, mi, s, 0);
}

// The EConvertError message of parsing text, or "" when none is raised.
QString ConversionError(const QString& text, const QString& format)
{
    try {
        ParseDateTime(text, format);
    } catch (const EConvertError& e) {
        return e.Message();
    }
    return QString();
}

} // namespace

TEST(RtlParseDateTime, ReadsEveryNumberField)
{
    EXPECT_EQ(ParseDateTime("2023-12-24 15:07:09", "yyyy-MM-dd HH:mm:ss"), At(2023, 12, 24, 15, 7, 9));
    EXPECT_EQ(ParseDateTime("5.3.2023 7:4:2", "d.M.yyyy H:m:s"), At(2023, 3, 5, 7, 4, 2));
    EXPECT_EQ(ParseDateTime("12/31/2023", "M/d/yyyy"), At(2023, 12, 31));
    EXPECT_EQ(ParseDateTime("15:07", "HH:mm"), TimeOf(15, 7)) << "no date part: the time alone";
    EXPECT_EQ(ParseDateTime(" 5. 3.2023", "d.M.yyyy"), At(2023, 3, 5)) << "blanks before a number";
    EXPECT_EQ(ParseDateTime("24.12.2023 and more", "dd.MM.yyyy"), At(2023, 12, 24));
    EXPECT_EQ(ParseDateTime("", ""), 0.0);
}

TEST(RtlParseDateTime, ReadsEnglishNamesInAnyCaseWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ParseDateTime("Sunday, December 24, 2023", "dddd, MMMM d, yyyy"), At(2023, 12, 24));
    EXPECT_EQ(ParseDateTime("sun 24 DEC 2023", "ddd dd MMM yyyy"), At(2023, 12, 24));
    EXPECT_EQ(ParseDateTime("Monday 24 Dec 2023", "dddd dd MMM yyyy"), At(2023, 12, 24))
        << "the weekday is checked, not used";
    EXPECT_EQ(ParseDateTime("Decem 2023", "MMM yyyy"), std::nullopt) << "'em' is no year";
    EXPECT_EQ(ParseDateTime("Sonntag 24.12.2023", "dddd dd.MM.yyyy"), std::nullopt);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST(RtlParseDateTime, LiteralsMustMatchExactly)
{
    EXPECT_EQ(ParseDateTime("it's 07h", "'it''s' HH'h'"), TimeOf(7, 0));
    EXPECT_EQ(ParseDateTime("Day 24 of 12 in 2023", "'Day' d 'of' M 'in' yyyy"), At(2023, 12, 24));
    EXPECT_EQ(ParseDateTime("D 24.12.2023", "D dd.MM.yyyy"), At(2023, 12, 24)) << "D is literal";
    EXPECT_EQ(ParseDateTime("d 24.12.2023", "D dd.MM.yyyy"), std::nullopt);
    EXPECT_EQ(ParseDateTime("24/12/2023", "dd.MM.yyyy"), std::nullopt);
    EXPECT_EQ(ParseDateTime("at HH", "'at HH"), 0.0) << "an unmatched quote runs to the end";
}

TEST(RtlParseDateTime, TwelveHourClock)
{
    EXPECT_EQ(ParseDateTime("03:07 PM", "hh:mm tt"), TimeOf(15, 7));
    EXPECT_EQ(ParseDateTime("12:30 AM", "hh:mm tt"), TimeOf(0, 30));
    EXPECT_EQ(ParseDateTime("12:30 pm", "hh:mm tt"), TimeOf(12, 30));
    EXPECT_EQ(ParseDateTime("3:07 p", "h:mm t"), TimeOf(15, 7));
    EXPECT_EQ(ParseDateTime("3:07 a", "h:mm t"), TimeOf(3, 7));
    EXPECT_EQ(ParseDateTime("3:07 xx", "h:mm tt"), TimeOf(15, 7)) << "anything but am is PM";
    EXPECT_EQ(ParseDateTime("15:07 PM", "HH:mm tt"), TimeOf(15, 7)) << "H stays 24-hour";
    // With both clocks in one format the hour field read last counts.
    EXPECT_EQ(ParseDateTime("1 13 PM", "h H tt"), TimeOf(13, 0));
    EXPECT_EQ(ParseDateTime("13 1 PM", "H h tt"), TimeOf(13, 0));
    EXPECT_EQ(DateTimeText("h H tt", TimeOf(13, 0)), "1 13 PM");
    // Without a designator the hour is taken as written, so noon survives a round trip.
    EXPECT_EQ(ParseDateTime("12:30", "hh:mm"), TimeOf(12, 30));
}

TEST(RtlParseDateTime, TwoDigitYearsFollowTheCenturyWindow)
{
    EXPECT_EQ(ExpandTwoDigitYear(23, 2025, 50), 2023);
    EXPECT_EQ(ExpandTwoDigitYear(75, 2025, 50), 1975);
    EXPECT_EQ(ExpandTwoDigitYear(74, 2025, 50), 2074);
    EXPECT_EQ(ExpandTwoDigitYear(5, 2000, 50), 2005);
    EXPECT_EQ(ExpandTwoDigitYear(99, 2025, 0), 2099) << "window 0: the current century";
    EXPECT_EQ(ExpandTwoDigitYear(0, 2025, 0), 2000);
    const int thisYear = QDate::currentDate().year();
    for (const int yy : {0, 23, 49, 50, 99}) {
        const int year = ExpandTwoDigitYear(yy, thisYear, TwoDigitYearCenturyWindow);
        EXPECT_EQ(ParseDateTime(QStringLiteral("01.02.%1").arg(yy, 2, 10, QChar(u'0')), "dd.MM.yy"),
                  At(year, 2, 1));
    }
}

TEST(RtlParseDateTime, ImpossibleDatesRaiseTheConversionError)
{
    const QString date = "Invalid argument to date encode";
    const QString time = "Invalid argument to time encode";
    const struct {
        const char* text;
        const char* format;
        const QString& error;
    } cases[] = {
        {"March 5", "MMMM d", date}, // year 0
        {"31.02.2023", "dd.MM.yyyy", date},
        {"00.12.2023", "dd.MM.yyyy", date},
        {"-1.12.2023", "d.MM.yyyy", date},
        {"99999999999999.1.2023", "d.M.yyyy", date},
        {"25:00", "HH:mm", time},
        {"13:00 PM", "hh:mm tt", time},
        {"99999999999999 PM", "h tt", time}, // the largest hour, not one wrapped by PM
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConversionError(c.text, c.format), c.error) << c.text;
}

TEST(RtlParseDateTime, MalformedFormatsAndTextsGiveNoValue)
{
    for (const char* format : {"yyy", "y", "yyyyy", "MMMMM", "ddddd", "HHH", "hhh", "mmm", "sss", "ttt"})
        EXPECT_EQ(ParseDateTime("2023 2023 2023", format), std::nullopt) << format;
    const char* texts[] = {"", "ab.cd.efgh", "24.12.", "2.4.12.2023", "+.12.2023", "24.1x.2023",
                           "\xF0\x9F\x98\x80.12.2023", "24.12.20 3"};
    for (const char* text : texts)
        EXPECT_EQ(ParseDateTime(QString::fromUtf8(text), "dd.MM.yyyy"), std::nullopt) << text;
    EXPECT_EQ(ParseDateTime("24 ", "dd MMMM"), std::nullopt);
    EXPECT_EQ(ParseDateTime("15", "HH:mm"), std::nullopt);
}

TEST(RtlDateTimeText, WritesWhatParseDateTimeReadsBack)
{
    const TDateTime value = At(2023, 12, 24, 0, 5, 9);
    EXPECT_EQ(DateTimeText("dddd, MMMM d, yyyy h:mm:ss tt", value),
              "Sunday, December 24, 2023 12:05:09 AM");
    EXPECT_EQ(DateTimeText("ddd dd.MM.yy HH:m 't'", value), "Sun 24.12.23 00:5 t");
    EXPECT_EQ(DateTimeText("MMM M/d h t", At(2024, 3, 5, 15)), "Mar 3/5 3 P");
    EXPECT_EQ(DateTimeText("hh:mm", At(2024, 3, 5, 15, 30)), "15:30") << "24 hours without t";
    EXPECT_EQ(DateTimeText("yyy-MMMMM", value), "yyy-MMMMM");
    const char* formats[] = {"dd.MM.yyyy HH:mm:ss", "dddd, MMMM d, yyyy h:mm:ss tt",
                             "ddd d MMM yyyy hh:mm t", "'at' hh 'o''clock' tt", "M/d/yy H:m"};
    const TDateTime values[] = {At(2023, 12, 24, 12, 30, 5), At(2024, 2, 29, 0, 0, 59),
                                At(1999, 1, 1, 23, 59, 0)};
    for (const char* format : formats)
        for (const TDateTime v : values)
            EXPECT_EQ(DateTimeText(format, ParseDateTime(DateTimeText(format, v), format).value()),
                      DateTimeText(format, v))
                << format;
}
