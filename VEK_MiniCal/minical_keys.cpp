// TMiniCal keyboard: the keys move the selected date as the buttons and day clicks do,
// through the same steps, so OnChange and dateChanged follow every move.
#include "minical_p.h"

#include <frame/controls/keys.h>
#include <frame/runtime/rtl.h>

namespace vek {

namespace {

// The date encoder knows the years 1 to 9999: a step that would leave them is ignored.
constexpr int FirstYear = 1, LastYear = 9999;

bool MonthStepStays(int year, int month, int step)
{
    return !(step < 0 && year == FirstYear && month == 1) &&
           !(step > 0 && year == LastYear && month == 12);
}

} // namespace

// Arrows move by a day or a week (into the neighbouring month where they lead), Page
// Up/Down by a month, with Ctrl by a year; Home and End go to the month's first and last
// day. The grid's own cell navigation does not apply: the days are not its cells.
void TMiniCal::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    const bool ctrl = Shift.testFlag(ssCtrl);
    switch (Key) {
    case VK_LEFT: d->DayStep(-1); break;
    case VK_RIGHT: d->DayStep(1); break;
    case VK_UP: d->DayStep(-7); break;
    case VK_DOWN: d->DayStep(7); break;
    case VK_PRIOR: ctrl ? d->YearStep(-1) : d->KeyMonthStep(-1); break;
    case VK_NEXT: ctrl ? d->YearStep(1) : d->KeyMonthStep(1); break;
    case VK_HOME: SetDay(1); break;
    case VK_END: LastDayOfMonth(); break;
    default: return;
    }
    Key = 0;
}

// The time of day goes, as with a click on a day.
void TMiniCal::Private::DayStep(int days)
{
    int y, m, day;
    DecodeDate(date, y, m, day);
    const TDateTime target = EncodeDate(y, m, day) + days;
    if (target >= EncodeDate(FirstYear, 1, 1) && target < EncodeDate(LastYear, 12, 31) + 1)
        ChangeDate(target);
}

void TMiniCal::Private::KeyMonthStep(int step)
{
    if (MonthStepStays(q->Year(), q->Month(), step))
        MonthStep(step);
}

void TMiniCal::Private::YearStep(int step)
{
    const int target = q->Year() + step;
    if (target < FirstYear || target > LastYear)
        return;
    if (step < 0)
        q->PrevYear();
    else
        q->NextYear();
}

} // namespace vek
