// TMiniCal mouse input: a click on a day selects it, a click on a button steps.
#include "minical_p.h"

#include <frame/runtime/rtl.h>

namespace vek {

// The grid's own handling runs first (focus, current cell, OnMouseDown). The drag it may
// have started ends at once: the release never reaches the grid (see MouseUp), and a
// selecting or sizing drag left open would go on following the mouse.
void TMiniCal::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
    CancelMouseDrag();
    const TRect client = GridClientRect();
    if (Button != mbLeft || X <= client.Left || X >= client.Right || Y <= client.Top
        || Y >= client.Bottom)
        return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X > 0 && cell.Y > 1)
        d->ClickDay(cell.X, cell.Y);
    else if (cell.Y == 0 || (cell.Y == 1 && cell.X == 0))
        d->ClickButton(cell.X);
}

void TMiniCal::MouseUp(TMouseButton, TShiftState, int, int) {}

void TMiniCal::Private::ClickDay(int ACol, int ARow)
{
    int y, m, day;
    DecodeDate(date, y, m, day);
    int n = DayNumber(ACol, ARow);
    if (autoSwitch) {
        const int shownLength = DaysInAMonth(y, m);
        if (n <= 0) {
            const int prevYear = m == 1 ? y - 1 : y, prevMonth = m == 1 ? 12 : m - 1;
            n += DaysInAMonth(prevYear, prevMonth);
            y = prevYear;
            m = prevMonth;
        } else if (n > shownLength) {
            n -= shownLength;
            y = m == 12 ? y + 1 : y;
            m = m == 12 ? 1 : m + 1;
        }
    }
    if (n >= 1 && n <= DaysInAMonth(y, m) && y >= 1 && y <= 9999)
        ChangeDate(EncodeDate(y, m, n));
    else
        UpdateCalendar();
}

void TMiniCal::Private::ClickButton(int ACol)
{
    switch (ACol) {
    case 0: q->selectToday(); break;
    case 1: q->PrevYear(); break;
    case 2: q->PrevMonth(); break;
    case 6: q->NextMonth(); break;
    case 7: q->NextYear(); break;
    default: break; // the caption
    }
}

} // namespace vek
