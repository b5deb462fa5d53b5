// TMiniCal's private data and the steps its source files share.
#pragma once

#include "VEK_MiniCal.h"

#include <array>
#include <vector>

namespace vek {

namespace minical {

// An entry of the holiday list; Year is TMiniCal::RepeatYear for a yearly holiday.
struct Holiday {
    int Day, Month, Year;
    QString Caption;
};

// The eight fixed holidays with their captions in a language, each repeating yearly.
std::vector<Holiday> BuiltInHolidays(TLanguage language);

// Sends the accessibility events of the calendar's changes (minical_accessible.cpp).
void AnnounceChanges(TMiniCal* calendar);

} // namespace minical

struct TMiniCal::Private {
    explicit Private(TMiniCal* owner) : q(owner) {}

    // The day number in a day cell: below 1 and above the month's length the cell
    // belongs to a neighbouring month.
    int DayNumber(int ACol, int ARow) const { return monOfs + ACol + 7 * ARow - 15; }
    // Recomputes the first day's position and the hint, then invalidates.
    void UpdateCalendar();
    // Stores the date, updates, fires OnChange and dateChanged.
    void ChangeDate(TDateTime value);
    // Re-encodes the date from its parts (raises EConvertError for no date).
    void SetDateParts(int year, int month, int day);
    void MonthStep(int n);
    // Stores a cell color and repaints.
    void SetCellColor(TColor& field, TColor value);
    // Equal day cells; row 0 and column 0 take what is left of the client area.
    void ApplyCellSizes();
    // The control's size when every text fits its cell with padding around it.
    QSize FittedSize(QSize padding) const;
    // The caption over the month: its name, short or long, and the year.
    QString CaptionText(int month, int year) const;
    // The ISO week number shown left of a row of days.
    int WeekNumber(int ARow) const;
    void DrawDay(int ACol, int ARow, const TRect& Rect);
    void DrawTodayMark(int n, const TRect& Rect);
    void ClickDay(int ACol, int ARow);
    void ClickButton(int ACol);
    // Keyboard steps (minical_keys.cpp); each ignores a step out of the years 1..9999.
    void DayStep(int days);
    void KeyMonthStep(int step);
    void YearStep(int step);

    TMiniCal* const q;
    TDateTime date = 0;
    int monOfs = 0;
    bool autoSwitch = true, indicateHolidays = true, markToday = true;
    bool showHolidayHint = true, showMonthShort = true, showMovableHolidays = true;
    bool ctl3D = true;
    TDayOfWeek firstDayOfWeek = dwMon;
    TLanguage language = lgEnglish;
    Colors colors;
    // Weekdays on the window color, the weekend on the button face: both carry the
    // window text of ColorActiveMonth in any palette.
    std::array<TColor, 7> dayColors{clWindow, clWindow, clWindow,  clWindow,
                                    clWindow, clBtnFace, clBtnFace};
    std::vector<minical::Holiday> holidays;
};

} // namespace vek
