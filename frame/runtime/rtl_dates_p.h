// Private to the run-time library: a TDateTime split into calendar day and time of day,
// shared by the date routines and the date texts so that all agree on rounding.
#pragma once

#include <frame/core/types.h>

#include <QDate>
#include <QString>
#include <QTime>

namespace vek::dates {

struct DayAndTime {
    QDate date;  // invalid outside 0001-01-01 .. 9999-12-31 or for NaN and infinities
    QTime time;  // 00:00 for NaN and infinities
};

// The day containing the instant and the time within it, rounded to the millisecond (a
// time that rounds up to 24:00 belongs to the next day).
DayAndTime Split(TDateTime dateTime);

// value in decimal, zeros in front up to width digits.
inline QString PaddedNumber(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

// Hour 0..23 on the 12-hour clock: 1..12.
inline int TwelveHourClock(int hour)
{
    return (hour + 11) % 12 + 1;
}

} // namespace vek::dates
