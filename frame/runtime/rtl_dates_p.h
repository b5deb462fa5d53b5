// Private to the run-time library: a TDateTime split into calendar day and time of day,
// shared by the date routines and FormatDateTime so that both agree on rounding.
#pragma once

#include <frame/core/types.h>

#include <QDate>
#include <QTime>

namespace vek::dates {

struct DayAndTime {
    QDate date;  // invalid outside 0001-01-01 .. 9999-12-31 or for NaN and infinities
    QTime time;  // 00:00 for NaN and infinities
};

// The day containing the instant and the time within it, rounded to the millisecond (a
// time that rounds up to 24:00 belongs to the next day).
DayAndTime Split(TDateTime dateTime);

} // namespace vek::dates
