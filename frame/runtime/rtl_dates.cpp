#include "rtl.h"

#include <frame/core/errors.h>
#include "rtl_dates_p.h"

#include <cmath>

namespace vek {

namespace {

constexpr qint64 JulianDayOfZero = 2415019; // 1899-12-30
constexpr double MsPerDay = 86400000.0;
constexpr int MinYear = 1;
constexpr int MaxYear = 9999;

bool IsEncodableDate(const QDate& date)
{
    return date.isValid() && date.year() >= MinYear && date.year() <= MaxYear;
}

TDateTime DaysOf(const QDate& date)
{
    return TDateTime(date.toJulianDay() - JulianDayOfZero);
}

} // namespace

namespace dates {

DayAndTime Split(TDateTime dateTime)
{
    if (!std::isfinite(dateTime))
        return {QDate(), QTime(0, 0)};
    double day = std::floor(dateTime);
    double ms = std::round((dateTime - day) * MsPerDay);
    if (ms >= MsPerDay) {
        day += 1;
        ms -= MsPerDay;
    }
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(ms));
    // Checking the range in double first keeps the integer conversion defined.
    if (day < DaysOf(QDate(MinYear, 1, 1)) || day > DaysOf(QDate(MaxYear, 12, 31)))
        return {QDate(), time};
    return {QDate::fromJulianDay(qint64(day) + JulianDayOfZero), time};
}

} // namespace dates

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInAMonth(int year, int month)
{
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return Days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

TDateTime EncodeDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!IsEncodableDate(date))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return DaysOf(date);
}

void DecodeDate(TDateTime dateTime, int& year, int& month, int& day)
{
    year = month = day = 0;
    dates::Split(dateTime).date.getDate(&year, &month, &day);
}

TDateTime EncodeTime(int hour, int minute, int second, int msec)
{
    if (!QTime::isValid(hour, minute, second, msec))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return QTime(hour, minute, second, msec).msecsSinceStartOfDay() / MsPerDay;
}

void DecodeTime(TDateTime dateTime, int& hour, int& minute, int& second, int& msec)
{
    const QTime time = dates::Split(dateTime).time;
    hour = time.hour();
    minute = time.minute();
    second = time.second();
    msec = time.msec();
}

int DayOfTheWeek(TDateTime dateTime)
{
    return dates::Split(dateTime).date.dayOfWeek();
}

int DayOfWeek(TDateTime dateTime)
{
    const int isoDay = DayOfTheWeek(dateTime);
    return isoDay == 0 ? 0 : isoDay % 7 + 1;
}

int WeekOfTheYear(TDateTime dateTime)
{
    return dates::Split(dateTime).date.weekNumber();
}

TDateTime Now()
{
    return FromQDateTime(QDateTime::currentDateTime());
}

TDateTime Date()
{
    return std::floor(Now());
}

TDateTime FromQDateTime(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return 0;
    return DaysOf(dateTime.date()) + dateTime.time().msecsSinceStartOfDay() / MsPerDay;
}

QDateTime ToQDateTime(TDateTime dateTime)
{
    const dates::DayAndTime split = dates::Split(dateTime);
    return split.date.isValid() ? QDateTime(split.date, split.time) : QDateTime();
}

} // namespace vek
