// TMiniCal: construction, the selected date and its steps, and the settings.
#include "minical_p.h"

#include <frame/core/application.h>
#include <frame/core/change.h>
#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek {

TMiniCal::TMiniCal(QWidget* parent) : TCustomDrawGrid(parent), d(std::make_unique<Private>(this))
{
    SetDefaultDrawing(false);
    SetColCount(8);
    SetRowCount(8);
    SetFixedCols(1);
    SetFixedRows(2);
    SetGridLineWidth(1);
    SetScrollBars(ssNone);
    SetBorderStyle(bsSingle);
    SetDefaultGridLineColor(clAppWorkSpace); // the mid tone of the header cells
    SetOptions((Options() & ~TGridOptions(goRangeSelect)) | goDrawFocusSelected);
    d->date = Now();
    d->holidays = minical::BuiltInHolidays(d->language);
    SetShowHint(true); // the holiday hint is on from the start
    SetDefaultSize(300, 180);
    d->ApplyCellSizes();
    d->UpdateCalendar();
    minical::AnnounceChanges(this);
}

TMiniCal::~TMiniCal() = default;

// ---- the selected date

void TMiniCal::Private::ChangeDate(TDateTime value)
{
    date = value;
    UpdateCalendar();
    if (q->OnChange)
        q->OnChange(q);
    emit q->dateChanged(q->qDate());
}

TDateTime TMiniCal::Date() const { return d->date; }

void TMiniCal::SetDate(TDateTime value) { d->ChangeDate(value); }

QDate TMiniCal::qDate() const { return ToQDateTime(d->date).date(); }

void TMiniCal::setDate(QDate date)
{
    // A slot may be reached from the event loop, where no exception may pass: dates the
    // encoder would reject are ignored instead.
    if (date.isValid() && date.year() >= 1 && date.year() <= 9999)
        d->ChangeDate(EncodeDate(date.year(), date.month(), date.day()));
}

void TMiniCal::selectToday() { SetDate(Now()); }

int TMiniCal::Day() const
{
    int y, m, day;
    DecodeDate(d->date, y, m, day);
    return day;
}

int TMiniCal::Month() const
{
    int y, m, day;
    DecodeDate(d->date, y, m, day);
    return m;
}

int TMiniCal::Year() const
{
    int y, m, day;
    DecodeDate(d->date, y, m, day);
    return y;
}

void TMiniCal::Private::SetDateParts(int year, int month, int day)
{
    auto change = [=, this] { ChangeDate(EncodeDate(year, month, day)); }; // raises first
    // A signal (a spin box's valueChanged, say) calls the setter from inside Qt's event
    // handling, which no exception may cross; a direct call gets the error itself.
    if (q->sender())
        RunGuarded(q, change);
    else
        change();
}

void TMiniCal::SetYear(int value)
{
    if (value >= 0)
        d->SetDateParts(value, Month(), Day());
}

void TMiniCal::SetMonth(int value)
{
    if (value >= 0 && value <= 12)
        d->SetDateParts(Year(), value, Day());
}

void TMiniCal::SetDay(int value)
{
    if (value >= 0 && value <= DaysInAMonth(Year(), Month()))
        d->SetDateParts(Year(), Month(), value);
}

// From the first (stepping back) or the last day (stepping on) of the month one day
// over the border, then the old day or the new month's last day.
void TMiniCal::Private::MonthStep(int n)
{
    int y, m, day;
    DecodeDate(date, y, m, day);
    const int edge = n <= 0 ? 1 : DaysInAMonth(y, m);
    int ny, nm, nd;
    DecodeDate(EncodeDate(y, m, edge) + n, ny, nm, nd);
    ChangeDate(EncodeDate(ny, nm, std::min(day, DaysInAMonth(ny, nm))));
}

void TMiniCal::PrevMonth() { d->MonthStep(-1); }
void TMiniCal::NextMonth() { d->MonthStep(1); }

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

// Column of the month's first day: a is its distance from the first weekday column.
// A first day in the last weekday column moves to row 2 (not into the week numbers).
void TMiniCal::Private::UpdateCalendar()
{
    int y, m, day;
    DecodeDate(date, y, m, day);
    if (y == 0)
        return; // a date outside the calendar's years shows the last valid month
    const int a = (DayOfTheWeek(EncodeDate(y, m, 1)) - firstDayOfWeek + 7) % 7;
    monOfs = a == 0 ? -5 : 2 - a;
    if (showHolidayHint) {
        QString caption;
        q->SetHint(indicateHolidays && q->CheckHoliday(y, m, day, caption) ? caption
                                                                            : QString());
    }
    q->Invalidate();
}

void TMiniCal::LanguageChanged()
{
    TCustomDrawGrid::LanguageChanged();
    d->UpdateCalendar();
}

// ---- settings

bool TMiniCal::AutoSwitch() const { return d->autoSwitch; }
void TMiniCal::SetAutoSwitch(bool value) { d->autoSwitch = value; }

TMiniCal::TDayOfWeek TMiniCal::FirstDayOfWeek() const { return d->firstDayOfWeek; }

void TMiniCal::SetFirstDayOfWeek(TDayOfWeek value)
{
    if (!Change(d->firstDayOfWeek, value))
        return;
    d->UpdateCalendar();
    if (OnChange)
        OnChange(this);
    emit firstDayOfWeekChanged(value);
}

TColor TMiniCal::DayColors(TDayOfWeek Day) const { return d->dayColors[std::size_t(Day)]; }

void TMiniCal::SetDayColors(TDayOfWeek Day, TColor value)
{
    d->dayColors[std::size_t(Day)] = value;
    d->UpdateCalendar();
    if (OnChange)
        OnChange(this);
    emit dayColorsChanged(Day);
}

TLanguage TMiniCal::Language() const { return d->language; }

// The names decide the cells' natural width, so the size hint follows.
void TMiniCal::SetLanguage(TLanguage value)
{
    d->language = value;
    d->holidays = minical::BuiltInHolidays(value);
    d->UpdateCalendar();
    updateGeometry();
}

bool TMiniCal::IndicateHolidays() const { return d->indicateHolidays; }

void TMiniCal::SetIndicateHolidays(bool value)
{
    d->indicateHolidays = value;
    d->UpdateCalendar();
}

bool TMiniCal::MarkToday() const { return d->markToday; }

void TMiniCal::SetMarkToday(bool value)
{
    if (Change(d->markToday, value))
        Refresh();
}

bool TMiniCal::ShowHolidayHint() const { return d->showHolidayHint; }

void TMiniCal::SetShowHolidayHint(bool value)
{
    d->showHolidayHint = value;
    SetHint(QString());
    if (value)
        SetShowHint(true);
    d->UpdateCalendar();
}

bool TMiniCal::ShowMonthShort() const { return d->showMonthShort; }

void TMiniCal::SetShowMonthShort(bool value)
{
    if (!Change(d->showMonthShort, value))
        return;
    Refresh();
    updateGeometry(); // the caption's width changes
}

bool TMiniCal::ShowMovableHolidays() const { return d->showMovableHolidays; }

void TMiniCal::SetShowMovableHolidays(bool value)
{
    d->showMovableHolidays = value;
    d->UpdateCalendar();
}

bool TMiniCal::Ctl3D() const { return d->ctl3D; }

void TMiniCal::SetCtl3D(bool value)
{
    if (Change(d->ctl3D, value))
        Refresh();
}

// ---- colors

void TMiniCal::Private::SetCellColor(TColor& field, TColor value)
{
    if (Change(field, value))
        q->Refresh();
}

TColor TMiniCal::ColorActiveMonth() const { return d->colors.ActiveMonth; }
void TMiniCal::SetColorActiveMonth(TColor value) { d->SetCellColor(d->colors.ActiveMonth, value); }
TColor TMiniCal::ColorInactiveMonth() const { return d->colors.InactiveMonth; }
void TMiniCal::SetColorInactiveMonth(TColor value)
{
    d->SetCellColor(d->colors.InactiveMonth, value);
}
TColor TMiniCal::ColorWeekNoBg() const { return d->colors.WeekNoBg; }
void TMiniCal::SetColorWeekNoBg(TColor value) { d->SetCellColor(d->colors.WeekNoBg, value); }
TColor TMiniCal::ColorWeekNoFg() const { return d->colors.WeekNoFg; }
void TMiniCal::SetColorWeekNoFg(TColor value) { d->SetCellColor(d->colors.WeekNoFg, value); }
TColor TMiniCal::ColorDayIdBg() const { return d->colors.DayIdBg; }
void TMiniCal::SetColorDayIdBg(TColor value) { d->SetCellColor(d->colors.DayIdBg, value); }
TColor TMiniCal::ColorDayIdFg() const { return d->colors.DayIdFg; }
void TMiniCal::SetColorDayIdFg(TColor value) { d->SetCellColor(d->colors.DayIdFg, value); }
TColor TMiniCal::ColorSelectedBg() const { return d->colors.SelectedBg; }
void TMiniCal::SetColorSelectedBg(TColor value) { d->SetCellColor(d->colors.SelectedBg, value); }
TColor TMiniCal::ColorSelectedFg() const { return d->colors.SelectedFg; }
void TMiniCal::SetColorSelectedFg(TColor value) { d->SetCellColor(d->colors.SelectedFg, value); }
TColor TMiniCal::ColorHolidayBg() const { return d->colors.HolidayBg; }
void TMiniCal::SetColorHolidayBg(TColor value) { d->SetCellColor(d->colors.HolidayBg, value); }
TColor TMiniCal::ColorHolidayFg() const { return d->colors.HolidayFg; }
void TMiniCal::SetColorHolidayFg(TColor value) { d->SetCellColor(d->colors.HolidayFg, value); }
TColor TMiniCal::ColorToday() const { return d->colors.Today; }
void TMiniCal::SetColorToday(TColor value) { d->SetCellColor(d->colors.Today, value); }

} // namespace vek
