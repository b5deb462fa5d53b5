// TMiniCal: a month calendar on an 8 x 8 grid.
//
//   row 0:  [#]  [<<] [<]  [ month year ]  [>] [>>]     buttons and caption
//   row 1:  [#]  Mo   Tu   We   Th   Fr   Sa   Su       weekday names
//   rows 2..7:  ISO week number, then seven days
//
// Clicking a day selects it (a grey day of a neighbouring month switches to that month
// while AutoSwitch is on); "<<" "<" ">" ">>" step by year and month, "#" returns to
// today. Days are colored by weekday; holidays (eight fixed ones, six that move with
// Easter, and any the program adds) get their own colors and their caption as the hint.
#pragma once

#include <frame/grid/grid.h>
#include <frame/baselib/nametables.h>

#include <array>
#include <vector>

namespace vek {

class VEK_EXPORT TMiniCal : public TCustomDrawGrid {
    Q_OBJECT
    Q_PROPERTY(bool AutoSwitch READ AutoSwitch WRITE SetAutoSwitch)
    Q_PROPERTY(quint32 ColorActiveMonth READ ColorActiveMonth WRITE SetColorActiveMonth)
    Q_PROPERTY(quint32 ColorInactiveMonth READ ColorInactiveMonth WRITE SetColorInactiveMonth)
    Q_PROPERTY(quint32 ColorWeekNoBg READ ColorWeekNoBg WRITE SetColorWeekNoBg)
    Q_PROPERTY(quint32 ColorWeekNoFg READ ColorWeekNoFg WRITE SetColorWeekNoFg)
    Q_PROPERTY(quint32 ColorDayIdBg READ ColorDayIdBg WRITE SetColorDayIdBg)
    Q_PROPERTY(quint32 ColorDayIdFg READ ColorDayIdFg WRITE SetColorDayIdFg)
    Q_PROPERTY(quint32 ColorSelectedBg READ ColorSelectedBg WRITE SetColorSelectedBg)
    Q_PROPERTY(quint32 ColorSelectedFg READ ColorSelectedFg WRITE SetColorSelectedFg)
    Q_PROPERTY(quint32 ColorHolidayBg READ ColorHolidayBg WRITE SetColorHolidayBg)
    Q_PROPERTY(quint32 ColorHolidayFg READ ColorHolidayFg WRITE SetColorHolidayFg)
    Q_PROPERTY(quint32 ColorToday READ ColorToday WRITE SetColorToday)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
    Q_PROPERTY(TDayOfWeek FirstDayOfWeek READ FirstDayOfWeek WRITE SetFirstDayOfWeek)
    Q_PROPERTY(bool IndicateHolidays READ IndicateHolidays WRITE SetIndicateHolidays)
    Q_PROPERTY(int Language READ LanguageValue WRITE SetLanguageValue)
    Q_PROPERTY(bool MarkToday READ MarkToday WRITE SetMarkToday)
    Q_PROPERTY(bool ShowHolidayHint READ ShowHolidayHint WRITE SetShowHolidayHint)
    Q_PROPERTY(bool ShowMonthShort READ ShowMonthShort WRITE SetShowMonthShort)
    Q_PROPERTY(bool ShowMovableHolidays READ ShowMovableHolidays WRITE SetShowMovableHolidays)
    Q_PROPERTY(double Date READ Date WRITE SetDate)

public:
    enum TDayOfWeek { dwMon, dwTue, dwWed, dwThu, dwFri, dwSat, dwSun };
    Q_ENUM(TDayOfWeek)

    // Starts 300 x 180 pixels on the current date, weeks from Monday, English names.
    explicit TMiniCal(QWidget* parent = nullptr);

    // ---- the selected date
    // Date and time of day; only the date is shown.
    TDateTime Date() const { return FDate; }
    void SetDate(TDateTime value);
    // Parts of the selected date. A negative year, a month outside 0..12 or a day
    // outside 0..length of the month is ignored; a combination that is no date (month
    // or day 0, 31 in a 30-day month, 29 February in a common year) raises EConvertError
    // and keeps the date. An accepted value drops the time of day.
    int Day() const;
    void SetDay(int value);
    int Month() const;
    void SetMonth(int value);
    int Year() const;
    void SetYear(int value);
    // A month step keeps the day where the new month has it, else takes its last day.
    void PrevMonth();
    void NextMonth();
    // 29 February becomes 28 February of the other year.
    void PrevYear();
    void NextYear();
    void LastDayOfMonth();

    // ---- behaviour and look
    // A click on a day of the previous or next month switches to that month.
    bool AutoSwitch() const { return FAutoSwitch; }
    void SetAutoSwitch(bool value) { FAutoSwitch = value; }
    // Weekday of the first day column.
    TDayOfWeek FirstDayOfWeek() const { return FFirstDayOfWeek; }
    void SetFirstDayOfWeek(TDayOfWeek value);
    // Names of months, weekdays and holidays. Setting it reloads the built-in holidays
    // and drops the ones the program added.
    TLanguage Language() const { return FLanguage; }
    void SetLanguage(TLanguage value);
    bool IndicateHolidays() const { return FIndicateHolidays; }
    void SetIndicateHolidays(bool value);
    // Circle around today's date.
    bool MarkToday() const { return FMarkToday; }
    void SetMarkToday(bool value);
    // The control's hint shows the holiday caption of the selected day.
    bool ShowHolidayHint() const { return FShowHolidayHint; }
    void SetShowHolidayHint(bool value);
    // Short ("Mar") or long ("March") month name in the caption.
    bool ShowMonthShort() const { return FShowMonthShort; }
    void SetShowMonthShort(bool value);
    // Recognise the holidays that move with Easter.
    bool ShowMovableHolidays() const { return FShowMovableHolidays; }
    void SetShowMovableHolidays(bool value);
    // Raised buttons and bevels (flat without).
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);

    // ---- colors (each setter repaints)
    TColor ColorActiveMonth() const { return FColors.ActiveMonth; }
    void SetColorActiveMonth(TColor v) { SetCellColor(FColors.ActiveMonth, v); }
    TColor ColorInactiveMonth() const { return FColors.InactiveMonth; }
    void SetColorInactiveMonth(TColor v) { SetCellColor(FColors.InactiveMonth, v); }
    TColor ColorWeekNoBg() const { return FColors.WeekNoBg; }
    void SetColorWeekNoBg(TColor v) { SetCellColor(FColors.WeekNoBg, v); }
    TColor ColorWeekNoFg() const { return FColors.WeekNoFg; }
    void SetColorWeekNoFg(TColor v) { SetCellColor(FColors.WeekNoFg, v); }
    TColor ColorDayIdBg() const { return FColors.DayIdBg; }
    void SetColorDayIdBg(TColor v) { SetCellColor(FColors.DayIdBg, v); }
    TColor ColorDayIdFg() const { return FColors.DayIdFg; }
    void SetColorDayIdFg(TColor v) { SetCellColor(FColors.DayIdFg, v); }
    TColor ColorSelectedBg() const { return FColors.SelectedBg; }
    void SetColorSelectedBg(TColor v) { SetCellColor(FColors.SelectedBg, v); }
    TColor ColorSelectedFg() const { return FColors.SelectedFg; }
    void SetColorSelectedFg(TColor v) { SetCellColor(FColors.SelectedFg, v); }
    TColor ColorHolidayBg() const { return FColors.HolidayBg; }
    void SetColorHolidayBg(TColor v) { SetCellColor(FColors.HolidayBg, v); }
    TColor ColorHolidayFg() const { return FColors.HolidayFg; }
    void SetColorHolidayFg(TColor v) { SetCellColor(FColors.HolidayFg, v); }
    TColor ColorToday() const { return FColors.Today; }
    void SetColorToday(TColor v) { SetCellColor(FColors.Today, v); }
    // Background of the day cells by weekday.
    TColor DayColors(TDayOfWeek Day) const { return FDayColors[std::size_t(Day)]; }
    void SetDayColors(TDayOfWeek Day, TColor value);

    // ---- holidays
    // Appends a holiday on one date, or on a day and month of every year. Earlier
    // entries win when two fall on the same day.
    void AddHoliday(int Day, int Month, int Year, const QString& Caption);
    void AddRepeatHoliday(int Day, int Month, const QString& Caption);
    // Removes every holiday in the list, the built-in ones included.
    void ClearHolidayList();
    int NumHolidays() const { return int(FHolidays.size()); }
    // Entry HDIndex (1..NumHolidays); Year is RepeatYear for a yearly holiday. False
    // (and nothing written) for another index.
    bool RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                         QString& Description) const;
    // Is the date a holiday? Caption receives its name, or "" when it is none.
    bool CheckHoliday(int Year, int Month, int Day, QString& Caption) const;
    // The year of a holiday that repeats every year.
    static constexpr int RepeatYear = -99999;

    // Lays out the cells for the new size at once.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TNotifyEvent OnChange;

protected:
    void DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State) override;
    void Resize() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    struct Holiday {
        int Day, Month, Year;
        QString Caption;
    };
    struct Colors {
        TColor ActiveMonth = 0x000000, InactiveMonth = 0xC0C0C0;
        TColor WeekNoBg = 0xC0C0C0, WeekNoFg = 0x000000;
        TColor DayIdBg = 0xC0C0C0, DayIdFg = 0x000000;
        TColor SelectedBg = 0xD0A040, SelectedFg = 0xFFFFFF;
        TColor HolidayBg = 0x9BD8F1, HolidayFg = 0x0000C0;
        TColor Today = 0x0000FF;
    };

    void SetCellColor(TColor& field, TColor value);
    void ApplyCellSizes();
    // Recomputes the first day's position and the hint, then repaints.
    void UpdateCalendar();
    void ChangeDate(TDateTime value);
    // Re-encodes the date from its parts (raises EConvertError for no date).
    void SetDateParts(int year, int month, int day);
    void MonthStep(int n);
    void LoadBuiltInHolidays();
    // The day number in a day cell: below 1 and above the month's length the cell
    // belongs to a neighbouring month.
    int DayNumber(int ACol, int ARow) const { return FMonOfs + ACol + 7 * ARow - 15; }
    void ClickDay(int ACol, int ARow);
    void ClickButton(int ACol);
    int LanguageValue() const { return FLanguage; }
    void SetLanguageValue(int value) { SetLanguage(TLanguage(value)); }

    // painting
    void DrawCentered(const TRect& Rect, const QString& Text);
    void DrawButton(const TRect& Rect, const QString& Text);
    void DrawButtonFrame(const TRect& Rect);
    void DrawDay(int ACol, int ARow, const TRect& Rect);
    void DrawTodayMark(int n, const TRect& Rect);

    TDateTime FDate = 0;
    int FMonOfs = 0;
    bool FAutoSwitch = true, FIndicateHolidays = true, FMarkToday = true;
    bool FShowHolidayHint = true, FShowMonthShort = true, FShowMovableHolidays = true;
    bool FCtl3D = true;
    TDayOfWeek FFirstDayOfWeek = dwMon;
    TLanguage FLanguage = lgEnglish;
    Colors FColors;
    std::array<TColor, 7> FDayColors{0xF8F8F8, 0xF8F8F8, 0xF8F8F8, 0xF8F8F8,
                                     0xF8F8F8, 0xBBDDEE, 0xCCEEFF};
    std::vector<Holiday> FHolidays;
};

// Easter Sunday of a Gregorian year (Gauss's rule): Month is 3 or 4.
VEK_EXPORT void CalcEasterSunday(int Year, int& Day, int& Month);

} // namespace vek
