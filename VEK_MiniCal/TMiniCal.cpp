// TMiniCal: construction, the selected date and its steps, settings, sizing and mouse.
#include "VEK_MiniCal.h"

#include <frame/runtime/rtl.h>

#include <algorithm>
#include <cmath>

namespace vek {

TMiniCal::TMiniCal(QWidget* parent) : TCustomDrawGrid(parent)
{
    SetDefaultDrawing(false);
    SetColCount(8);
    SetRowCount(8);
    SetFixedCols(1);
    SetFixedRows(2);
    SetGridLineWidth(1);
    SetScrollBars(ssNone);
    SetBorderStyle(bsSingle);
    SetOptions((Options() & ~TGridOptions(goRangeSelect)) | goDrawFocusSelected);
    FDate = Now();
    LoadBuiltInHolidays();
    SetShowHint(true); // the holiday hint is on from the start
    SetBounds(0, 0, 300, 180);
    UpdateCalendar();
}

// ---- the selected date

void TMiniCal::ChangeDate(TDateTime value)
{
    FDate = value;
    UpdateCalendar();
    if (OnChange)
        OnChange(this);
}

void TMiniCal::SetDate(TDateTime value) { ChangeDate(value); }

int TMiniCal::Day() const
{
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    return d;
}

int TMiniCal::Month() const
{
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    return m;
}

int TMiniCal::Year() const
{
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    return y;
}

void TMiniCal::SetDateParts(int year, int month, int day)
{
    ChangeDate(EncodeDate(year, month, day)); // raises before anything changes
}

void TMiniCal::SetYear(int value)
{
    if (value >= 0)
        SetDateParts(value, Month(), Day());
}

void TMiniCal::SetMonth(int value)
{
    if (value >= 0 && value <= 12)
        SetDateParts(Year(), value, Day());
}

void TMiniCal::SetDay(int value)
{
    if (value >= 0 && value <= DaysInAMonth(Year(), Month()))
        SetDateParts(Year(), Month(), value);
}

// From the first (stepping back) or the last day (stepping on) of the month one day
// over the border, then the old day or the new month's last day.
void TMiniCal::MonthStep(int n)
{
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    const int edge = n <= 0 ? 1 : DaysInAMonth(y, m);
    int ny, nm, nd;
    DecodeDate(EncodeDate(y, m, edge) + n, ny, nm, nd);
    ChangeDate(EncodeDate(ny, nm, std::min(d, DaysInAMonth(ny, nm))));
}

void TMiniCal::PrevMonth() { MonthStep(-1); }
void TMiniCal::NextMonth() { MonthStep(1); }

void TMiniCal::PrevYear()
{
    if (IsLeapYear(Year()) && Month() == 2 && Day() == 29)
        SetDay(28);
    SetYear(Year() - 1);
}

void TMiniCal::NextYear()
{
    if (IsLeapYear(Year()) && Month() == 2 && Day() == 29)
        SetDay(28);
    SetYear(Year() + 1);
}

void TMiniCal::LastDayOfMonth() { SetDay(DaysInAMonth(Year(), Month())); }

// ---- settings

void TMiniCal::SetCellColor(TColor& field, TColor value)
{
    field = value;
    Refresh();
}

void TMiniCal::SetDayColors(TDayOfWeek Day, TColor value)
{
    FDayColors[std::size_t(Day)] = value;
    UpdateCalendar();
    if (OnChange)
        OnChange(this);
}

void TMiniCal::SetFirstDayOfWeek(TDayOfWeek value)
{
    if (value == FFirstDayOfWeek)
        return;
    FFirstDayOfWeek = value;
    UpdateCalendar();
    if (OnChange)
        OnChange(this);
}

void TMiniCal::SetLanguage(TLanguage value)
{
    FLanguage = value;
    LoadBuiltInHolidays();
    UpdateCalendar();
}

void TMiniCal::SetIndicateHolidays(bool value)
{
    FIndicateHolidays = value;
    UpdateCalendar();
}

void TMiniCal::SetMarkToday(bool value)
{
    FMarkToday = value;
    Refresh();
}

void TMiniCal::SetShowHolidayHint(bool value)
{
    FShowHolidayHint = value;
    SetHint(QString());
    if (value)
        SetShowHint(true);
    UpdateCalendar();
}

void TMiniCal::SetShowMonthShort(bool value)
{
    FShowMonthShort = value;
    Refresh();
}

void TMiniCal::SetShowMovableHolidays(bool value)
{
    FShowMovableHolidays = value;
    UpdateCalendar();
}

void TMiniCal::SetCtl3D(bool value)
{
    FCtl3D = value;
    Refresh();
}

// Column of the month's first day: a is its distance from the first weekday column.
// A first day in the last weekday column moves to row 2 (not into the week numbers).
void TMiniCal::UpdateCalendar()
{
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    if (y == 0)
        return; // a date outside the calendar's years shows the last valid month
    const int a = (DayOfTheWeek(EncodeDate(y, m, 1)) - FFirstDayOfWeek + 7) % 7;
    FMonOfs = a == 0 ? -5 : 2 - a;
    if (FShowHolidayHint) {
        QString caption;
        SetHint(FIndicateHolidays && CheckHoliday(y, m, d, caption) ? caption : QString());
    }
    Invalidate();
}

// ---- size and mouse

void TMiniCal::Resize()
{
    ApplyCellSizes();
    TCustomDrawGrid::Resize();
}

// A hidden widget gets its resize event only when shown; the cells follow at once.
void TMiniCal::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDrawGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    ApplyCellSizes();
}

// Equal day cells; row 0 and column 0 take what is left of the client area.
void TMiniCal::ApplyCellSizes()
{
    const TRect client = GridClientRect();
    const int g = GridLineWidth();
    const int cellWidth = std::max(1, (client.Width() - 7 * g) / 8);
    const int cellHeight = std::max(1, (client.Height() - 7 * g) / 8);
    SetDefaultColWidth(cellWidth);
    SetDefaultRowHeight(cellHeight);
    SetColWidths(0, std::max(1, client.Width() - 7 * (cellWidth + g) - g));
    SetRowHeights(0, std::max(1, client.Height() - 7 * (cellHeight + g) - g));
}

void TMiniCal::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomDrawGrid::MouseDown(Button, Shift, X, Y);
    const TRect client = GridClientRect();
    if (Button != mbLeft || X <= client.Left || X >= client.Right || Y <= client.Top
        || Y >= client.Bottom)
        return;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X > 0 && cell.Y > 1)
        ClickDay(cell.X, cell.Y);
    else if (cell.Y == 0 || (cell.Y == 1 && cell.X == 0))
        ClickButton(cell.X);
}

void TMiniCal::ClickDay(int ACol, int ARow)
{
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    int n = DayNumber(ACol, ARow);
    if (FAutoSwitch) {
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

void TMiniCal::ClickButton(int ACol)
{
    switch (ACol) {
    case 0: SetDate(Now()); break;
    case 1: PrevYear(); break;
    case 2: PrevMonth(); break;
    case 6: NextMonth(); break;
    case 7: NextYear(); break;
    default: break; // the caption
    }
}

} // namespace vek
