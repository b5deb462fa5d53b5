// Date encoding and decoding, weekdays and ISO week numbers, conversions to Qt.
#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vek;

namespace {

// "y-m-d" and "h:n:s.z" of the decoded parts, so a failure shows all of them.
QString Decoded(TDateTime value)
{
    int y = -1, m = -1, d = -1;
    DecodeDate(value, y, m, d);
    return QStringLiteral("%1-%2-%3").arg(y).arg(m).arg(d);
}

QString DecodedTime(TDateTime value)
{
    int h = -1, n = -1, s = -1, z = -1;
    DecodeTime(value, h, n, s, z);
    return QStringLiteral("%1:%2:%3.%4").arg(h).arg(n).arg(s).arg(z);
}

TEST(RtlEncodeDate, CountsDaysFromTheEpoch)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(2024, 2, 29), 45351.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
}

TEST(RtlEncodeDate, RejectsDatesThatDoNotExist)
{
    const int invalid[][3] = {{2023, 2, 29}, {0, 1, 1},   {10000, 1, 1}, {2024, 13, 1},
                              {2024, 4, 31}, {2024, 1, 0}, {-5, 1, 1},   {2024, 0, 10}};
    for (const auto& date : invalid) {
        try {
            EncodeDate(date[0], date[1], date[2]);
            ADD_FAILURE() << date[0] << '-' << date[1] << '-' << date[2] << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to date encode");
        }
    }
}

TEST(RtlDecodeDate, RoundTripsAndUsesTheDayContainingTheInstant)
{
    EXPECT_EQ(Decoded(EncodeDate(2026, 12, 8)), "2026-12-8");
    EXPECT_EQ(Decoded(EncodeDate(2026, 12, 8) + 0.999), "2026-12-8");
    EXPECT_EQ(Decoded(EncodeDate(1, 1, 1)), "1-1-1");
    EXPECT_EQ(Decoded(EncodeDate(9999, 12, 31) + 0.5), "9999-12-31");
    EXPECT_EQ(Decoded(-0.25), "1899-12-29");
    EXPECT_EQ(Decoded(-1.0), "1899-12-29");
    EXPECT_EQ(Decoded(-1.5), "1899-12-28");
}

TEST(RtlDecodeDate, ATimeRoundingToMidnightBelongsToTheNextDay)
{
    const TDateTime almostMidnight = EncodeDate(1999, 12, 31) + 0.9999999999;
    EXPECT_EQ(Decoded(almostMidnight), "2000-1-1");
    EXPECT_EQ(DecodedTime(almostMidnight), "0:0:0.0");
}

TEST(RtlDecodeDate, OutsideTheCalendarRangeGivesZeros)
{
    EXPECT_EQ(Decoded(std::numeric_limits<double>::quiet_NaN()), "0-0-0");
    EXPECT_EQ(Decoded(std::numeric_limits<double>::infinity()), "0-0-0");
    EXPECT_EQ(Decoded(-693594.0), "0-0-0");
    EXPECT_EQ(Decoded(2958466.0), "0-0-0");
    EXPECT_EQ(Decoded(1e300), "0-0-0");
    EXPECT_EQ(DayOfTheWeek(1e300), 0);
    EXPECT_EQ(DayOfWeek(-1e300), 0);
    EXPECT_EQ(WeekOfTheYear(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(RtlEncodeTime, FractionOfADayAndErrors)
{
    EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 30, 15, 500), 45015500.0 / 86400000.0);
    const int invalid[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0},
                              {0, 0, 0, 1000}, {-1, 0, 0, 0}, {0, 0, 0, -1}};
    for (const auto& t : invalid) {
        try {
            EncodeTime(t[0], t[1], t[2], t[3]);
            ADD_FAILURE() << t[0] << ':' << t[1] << ':' << t[2] << '.' << t[3] << " accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "Invalid argument to time encode");
        }
    }
}

TEST(RtlDecodeTime, RoundTripsEveryMillisecondPattern)
{
    const TDateTime day = EncodeDate(2026, 12, 8);
    for (int ms = 0; ms < 86400000; ms += 1234567) {
        const int h = ms / 3600000, n = ms / 60000 % 60, s = ms / 1000 % 60, z = ms % 1000;
        EXPECT_EQ(DecodedTime(day + EncodeTime(h, n, s, z)),
                  QStringLiteral("%1:%2:%3.%4").arg(h).arg(n).arg(s).arg(z));
    }
    EXPECT_EQ(DecodedTime(day + EncodeTime(23, 59, 59, 999)), "23:59:59.999");
    EXPECT_EQ(DecodedTime(-0.25), "18:0:0.0");
    EXPECT_EQ(DecodedTime(std::numeric_limits<double>::quiet_NaN()), "0:0:0.0");
}

TEST(RtlCalendar, LeapYearsAndMonthLengths)
{
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_FALSE(IsLeapYear(2100));
    EXPECT_EQ(DaysInAMonth(2024, 2), 29);
    EXPECT_EQ(DaysInAMonth(2023, 2), 28);
    EXPECT_EQ(DaysInAMonth(1900, 2), 28);
    EXPECT_EQ(DaysInAMonth(2023, 4), 30);
    EXPECT_EQ(DaysInAMonth(2023, 12), 31);
    EXPECT_EQ(DaysInAMonth(2023, 13), 0);
    EXPECT_EQ(DaysInAMonth(2023, 0), 0);
}

TEST(RtlCalendar, WeekdaysInBothNumberings)
{
    EXPECT_EQ(DayOfTheWeek(0), 6); // 1899-12-30 was a Saturday
    EXPECT_EQ(DayOfWeek(0), 7);
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2026, 12, 8) + 0.9), 2);
    EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 8)), 3);
    EXPECT_EQ(DayOfTheWeek(EncodeDate(2021, 1, 3)), 7);
    EXPECT_EQ(DayOfWeek(EncodeDate(2021, 1, 3)), 1);
    EXPECT_EQ(DayOfTheWeek(-0.25), 5);
}

TEST(RtlCalendar, IsoWeeksAtYearBoundaries)
{
    EXPECT_EQ(WeekOfTheYear(EncodeDate(2021, 1, 3)), 53);
    EXPECT_EQ(WeekOfTheYear(EncodeDate(2021, 1, 4)), 1);
    EXPECT_EQ(WeekOfTheYear(EncodeDate(2020, 12, 31)), 53);
    EXPECT_EQ(WeekOfTheYear(EncodeDate(2026, 12, 31)), 53);
    EXPECT_EQ(WeekOfTheYear(EncodeDate(2027, 1, 1)), 53);
    EXPECT_EQ(WeekOfTheYear(EncodeDate(2027, 1, 4)), 1);
    EXPECT_EQ(WeekOfTheYear(EncodeDate(2024, 12, 30)), 1);
    EXPECT_EQ(WeekOfTheYear(EncodeDate(2019, 12, 30)), 1);
    EXPECT_EQ(WeekOfTheYear(EncodeDate(2026, 12, 8)), 50);
}

TEST(RtlQtConversion, WallClockFieldsBothWays)
{
    const QDateTime morning(QDate(2026, 12, 8), QTime(6, 0));
    EXPECT_EQ(FromQDateTime(morning), EncodeDate(2026, 12, 8) + 0.25);
    EXPECT_EQ(ToQDateTime(EncodeDate(2026, 12, 8) + 0.25), morning);
    EXPECT_EQ(FromQDateTime(QDateTime(QDate(1899, 12, 29), QTime(18, 0))), -0.25);
    const QDateTime utc(QDate(2026, 12, 8), QTime(6, 0), Qt::UTC);
    EXPECT_EQ(FromQDateTime(utc), EncodeDate(2026, 12, 8) + 0.25);
    EXPECT_EQ(FromQDateTime(QDateTime()), 0.0);
    EXPECT_FALSE(ToQDateTime(std::numeric_limits<double>::quiet_NaN()).isValid());
}

TEST(RtlQtConversion, NowAndDateFollowTheClock)
{
    const TDateTime before = FromQDateTime(QDateTime::currentDateTime());
    const TDateTime now = Now();
    const TDateTime after = FromQDateTime(QDateTime::currentDateTime());
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
    const TDateTime today = Date();
    EXPECT_EQ(today, std::floor(today));
    EXPECT_LE(today, Now());
    EXPECT_GT(today + 1, before);
}

} // namespace
