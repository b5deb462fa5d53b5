// TMiniCal: a month calendar on an 8 x 8 grid.
#pragma once

#include <frame/baselib/nametables.h>
#include <frame/canvas/colors.h>
#include <frame/grid/grid.h>

#include <QDate>

#include <memory>

namespace vek {

/// A month calendar on an 8 x 8 grid:
///
///     row 0:  [#]  [<<] [<]  [ month year ]  [>] [>>]     buttons and caption
///     row 1:  [#]  Mo   Tu   We   Th   Fr   Sa   Su       weekday names
///     rows 2..7:  ISO week number, then seven days
///
/// Clicking a day selects it (a grey day of a neighbouring month switches to that month
/// while AutoSwitch is on); "<<" "<" ">" ">>" step by year and month, "#" returns to
/// today. The keyboard moves the selected day too (see KeyDown); while the calendar has
/// the focus a dotted outline marks the selected day. Days are colored by weekday; holidays (eight fixed ones, six that move with
/// Easter, and any the program adds) get their own colors and their caption as the hint.
/// A disabled calendar draws all its texts in gray ($808080).
///
/// The default colors come from the application palette in pairs, a background with the
/// text that belongs to it (window and window text for the days, highlight and
/// highlighted text for the selected day, ...), and the buttons' bevels and the lines
/// between the days (GridLineColor, default clAppWorkSpace) follow it too, so the whole
/// calendar follows a light or a dark theme; a color the program sets is kept as it is.
///
/// Default size 300 x 180; the sizeHint grows with the font so that every name fits.
class VEK_EXPORT TMiniCal : public TCustomDrawGrid {
    Q_OBJECT
    Q_PROPERTY(bool AutoSwitch READ AutoSwitch WRITE SetAutoSwitch)
    Q_PROPERTY(QColor ColorActiveMonth READ qColorActiveMonth WRITE setQColorActiveMonth
                   RESET resetColorActiveMonth)
    Q_PROPERTY(QColor ColorInactiveMonth READ qColorInactiveMonth WRITE setQColorInactiveMonth
                   RESET resetColorInactiveMonth)
    Q_PROPERTY(QColor ColorWeekNoBg READ qColorWeekNoBg WRITE setQColorWeekNoBg
                   RESET resetColorWeekNoBg)
    Q_PROPERTY(QColor ColorWeekNoFg READ qColorWeekNoFg WRITE setQColorWeekNoFg
                   RESET resetColorWeekNoFg)
    Q_PROPERTY(QColor ColorDayIdBg READ qColorDayIdBg WRITE setQColorDayIdBg
                   RESET resetColorDayIdBg)
    Q_PROPERTY(QColor ColorDayIdFg READ qColorDayIdFg WRITE setQColorDayIdFg
                   RESET resetColorDayIdFg)
    Q_PROPERTY(QColor ColorSelectedBg READ qColorSelectedBg WRITE setQColorSelectedBg
                   RESET resetColorSelectedBg)
    Q_PROPERTY(QColor ColorSelectedFg READ qColorSelectedFg WRITE setQColorSelectedFg
                   RESET resetColorSelectedFg)
    Q_PROPERTY(QColor ColorHolidayBg READ qColorHolidayBg WRITE setQColorHolidayBg
                   RESET resetColorHolidayBg)
    Q_PROPERTY(QColor ColorHolidayFg READ qColorHolidayFg WRITE setQColorHolidayFg
                   RESET resetColorHolidayFg)
    Q_PROPERTY(QColor ColorToday READ qColorToday WRITE setQColorToday RESET resetColorToday)
    Q_PROPERTY(bool Ctl3D READ Ctl3D WRITE SetCtl3D)
    Q_PROPERTY(QDate Date READ qDate WRITE setDate NOTIFY dateChanged)
    Q_PROPERTY(int Day READ Day WRITE SetDay NOTIFY dateChanged STORED false)
    Q_PROPERTY(int Month READ Month WRITE SetMonth NOTIFY dateChanged STORED false)
    Q_PROPERTY(int Year READ Year WRITE SetYear NOTIFY dateChanged STORED false)
    Q_PROPERTY(TDayOfWeek FirstDayOfWeek READ FirstDayOfWeek WRITE SetFirstDayOfWeek
                   NOTIFY firstDayOfWeekChanged)
    Q_PROPERTY(bool IndicateHolidays READ IndicateHolidays WRITE SetIndicateHolidays)
    Q_PROPERTY(int Language READ LanguageValue WRITE SetLanguageValue)
    Q_PROPERTY(bool MarkToday READ MarkToday WRITE SetMarkToday)
    Q_PROPERTY(bool ShowHolidayHint READ ShowHolidayHint WRITE SetShowHolidayHint)
    Q_PROPERTY(bool ShowMonthShort READ ShowMonthShort WRITE SetShowMonthShort)
    Q_PROPERTY(bool ShowMovableHolidays READ ShowMovableHolidays WRITE SetShowMovableHolidays)

public:
    /// Weekdays in the order of the DayColors array, Monday first.
    enum TDayOfWeek { dwMon, dwTue, dwWed, dwThu, dwFri, dwSat, dwSun };
    Q_ENUM(TDayOfWeek)

    /// Starts 300 x 180 pixels on the current date and time, weeks from Monday, English
    /// names, with the holiday hint on.
    explicit TMiniCal(QWidget* parent = nullptr);
    ~TMiniCal() override;

    // ---- the selected date
    /// Date and time of day (days since 1899-12-30); only the date is shown. Default: the
    /// time of construction. Setting it (even to the same value) fires OnChange and
    /// dateChanged.
    TDateTime Date() const;
    void SetDate(TDateTime value);
    /// The selected date as a QDate (the Date property); invalid when Date lies outside
    /// the years 1..9999.
    QDate qDate() const;
    /// Day of the month of the selected date (1..31); not stored, it follows Date.
    int Day() const;
    /// Month of the selected date (1..12); not stored, it follows Date.
    int Month() const;
    /// Year of the selected date (1..9999); not stored, it follows Date.
    int Year() const;

    // ---- behaviour and look
    /// A click on a day of the previous or next month switches to that month. Default true.
    bool AutoSwitch() const;
    void SetAutoSwitch(bool value);
    /// Weekday of the first day column. Default dwMon. A change fires OnChange and
    /// firstDayOfWeekChanged.
    TDayOfWeek FirstDayOfWeek() const;
    void SetFirstDayOfWeek(TDayOfWeek value);
    /// Names of months, weekdays and holidays. Default lgEnglish. Setting it reloads the
    /// built-in holidays and drops the ones the program added.
    TLanguage Language() const;
    void SetLanguage(TLanguage value);
    /// Holidays get the holiday colors and their caption as the hint. Default true.
    bool IndicateHolidays() const;
    void SetIndicateHolidays(bool value);
    /// Circle in ColorToday around today's date. Default true.
    bool MarkToday() const;
    void SetMarkToday(bool value);
    /// The control's hint shows the holiday caption of the selected day. Default true;
    /// setting it clears the hint, and true turns ShowHint on.
    bool ShowHolidayHint() const;
    void SetShowHolidayHint(bool value);
    /// Short ("Mar") or long ("March") month name in the caption. Default true (short).
    bool ShowMonthShort() const;
    void SetShowMonthShort(bool value);
    /// Recognise the holidays that move with Easter. Default true.
    bool ShowMovableHolidays() const;
    void SetShowMovableHolidays(bool value);
    /// Raised buttons (flat without). Default true.
    bool Ctl3D() const;
    void SetCtl3D(bool value);

    // ---- colors (each setter repaints)
    /// Text of the days of the shown month; default clWindowText.
    TColor ColorActiveMonth() const;
    void SetColorActiveMonth(TColor value);
    VEK_COLOR_PROPERTY(ColorActiveMonth, Colors{}.ActiveMonth)
    /// Text of the days of the neighbouring months; default clGrayText.
    TColor ColorInactiveMonth() const;
    void SetColorInactiveMonth(TColor value);
    VEK_COLOR_PROPERTY(ColorInactiveMonth, Colors{}.InactiveMonth)
    /// Background of the week numbers; default clAppWorkSpace (the palette's mid tone).
    TColor ColorWeekNoBg() const;
    void SetColorWeekNoBg(TColor value);
    VEK_COLOR_PROPERTY(ColorWeekNoBg, Colors{}.WeekNoBg)
    /// Text of the week numbers; default clBtnText.
    TColor ColorWeekNoFg() const;
    void SetColorWeekNoFg(TColor value);
    VEK_COLOR_PROPERTY(ColorWeekNoFg, Colors{}.WeekNoFg)
    /// Background of the weekday names; default clAppWorkSpace.
    TColor ColorDayIdBg() const;
    void SetColorDayIdBg(TColor value);
    VEK_COLOR_PROPERTY(ColorDayIdBg, Colors{}.DayIdBg)
    /// Text of the weekday names; default clBtnText.
    TColor ColorDayIdFg() const;
    void SetColorDayIdFg(TColor value);
    VEK_COLOR_PROPERTY(ColorDayIdFg, Colors{}.DayIdFg)
    /// Background of the selected day; default clHighlight. On a holiday it is mixed
    /// half and half with ColorHolidayBg.
    TColor ColorSelectedBg() const;
    void SetColorSelectedBg(TColor value);
    VEK_COLOR_PROPERTY(ColorSelectedBg, Colors{}.SelectedBg)
    /// Text of the selected day; default clHighlightText. A selected holiday takes
    /// this color or ColorHolidayFg, whichever stands out more on its mixed background.
    TColor ColorSelectedFg() const;
    void SetColorSelectedFg(TColor value);
    VEK_COLOR_PROPERTY(ColorSelectedFg, Colors{}.SelectedFg)
    /// Background of holidays; default cl3DLight.
    TColor ColorHolidayBg() const;
    void SetColorHolidayBg(TColor value);
    VEK_COLOR_PROPERTY(ColorHolidayBg, Colors{}.HolidayBg)
    /// Text of holidays; default clWindowText.
    TColor ColorHolidayFg() const;
    void SetColorHolidayFg(TColor value);
    VEK_COLOR_PROPERTY(ColorHolidayFg, Colors{}.HolidayFg)
    /// Circle around today; default $0000FF (red, seen on light and dark cells alike).
    TColor ColorToday() const;
    void SetColorToday(TColor value);
    VEK_COLOR_PROPERTY(ColorToday, Colors{}.Today)
    /// Background of the day cells by weekday; default clWindow Monday to Friday and
    /// clBtnFace on Saturday and Sunday, under ColorActiveMonth and ColorInactiveMonth.
    /// Setting it fires OnChange and dayColorsChanged.
    TColor DayColors(TDayOfWeek Day) const;
    void SetDayColors(TDayOfWeek Day, TColor value);

    // ---- holidays
    /// Appends a holiday on one date (no check of day and month; captions are cut to 255
    /// characters). Earlier entries win when two fall on the same day.
    void AddHoliday(int Day, int Month, int Year, const QString& Caption);
    /// Appends a holiday on a day and month of every year, as AddHoliday.
    void AddRepeatHoliday(int Day, int Month, const QString& Caption);
    /// Removes every holiday in the list, the built-in ones included.
    void ClearHolidayList();
    /// Entries in the holiday list (8 built-in ones at first).
    int NumHolidays() const;
    /// Entry HDIndex (1..NumHolidays); Year is RepeatYear for a yearly holiday. False
    /// (and nothing written) for another index.
    bool RetrieveHoliday(int HDIndex, int& Day, int& Month, int& Year, bool& IsRepeatHDay,
                         QString& Description) const;
    /// Is the date a holiday? Caption receives its name, or "" when it is none.
    bool CheckHoliday(int Year, int Month, int Day, QString& Caption) const;
    /// The year of a holiday that repeats every year.
    static constexpr int RepeatYear = -99999;

    /// Lays out the cells for the new size at once (a hidden widget gets no resize event).
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    /// 300 x 180, or larger where the font needs it so that the weekday names, the day
    /// and week numbers and the caption fit their cells.
    QSize sizeHint() const override;
    /// The size at which each text just fits inside its cell's frame.
    QSize minimumSizeHint() const override;

    /// The selected date or the first weekday or a day color changed (by code or by a
    /// click); called before the matching signal.
    TNotifyEvent OnChange;

public Q_SLOTS:
    /// Each sets one part of the selected date and keeps the other two. A day outside
    /// 0..length of the shown month, a month outside 0..12 or a negative year is ignored.
    /// Any other value selects the date made of the three parts, drops the time of day
    /// and fires OnChange and dateChanged, even when the date stays the same. A
    /// combination that is no date (day, month or year 0, a year above 9999, 31 when
    /// switching to a 30-day month, 29 February in a common year) raises EConvertError
    /// and keeps the date; reached through a signal, where no exception may pass, the
    /// error goes to Application()->HandleException instead.
    void SetDay(int value);
    void SetMonth(int value);
    void SetYear(int value);
    /// Selects date (time of day 0). An invalid date or one outside the years 1..9999 is
    /// ignored.
    void setDate(QDate date);
    /// Selects the current date and time, as the "#" button does.
    void selectToday();
    /// Month steps keep the day where the new month has it, else take its last day.
    void PrevMonth();
    void NextMonth();
    /// Year steps; 29 February becomes 28 February of the other year.
    void PrevYear();
    void NextYear();
    /// Selects the last day of the shown month.
    void LastDayOfMonth();

Q_SIGNALS:
    /// The date was set (by code, a click on a day or a button), right after OnChange;
    /// also when it is set to the same value again. The notify signal of Date, Day, Month
    /// and Year.
    void dateChanged(QDate date);
    /// FirstDayOfWeek changed, right after OnChange.
    void firstDayOfWeekChanged(vek::TMiniCal::TDayOfWeek day);
    /// DayColors(day) was set, right after OnChange.
    void dayColorsChanged(vek::TMiniCal::TDayOfWeek day);

protected:
    void DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState State) override;
    void Resize() override;
    /// Names of the neutral language and the holiday hint follow the application's new
    /// translators.
    void LanguageChanged() override;
    /// A left press on a day selects it, one on a button steps: the press is the whole
    /// click, so no drag of the grid follows it.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    /// Does nothing, not even OnMouseUp: the press did all there is to do.
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    /// Left/Right a day, Up/Down a week, Page Up/Down a month, Ctrl+Page Up/Down a year,
    /// Home/End the month's first and last day; each fires OnChange and dateChanged.
    void KeyDown(int& Key, TShiftState Shift) override;

private:
    // The initial colors; the color properties' RESET returns to them. Each background
    // comes with its text from the palette, so that no fixed light face meets a text
    // color that a dark theme turns light.
    struct Colors {
        TColor ActiveMonth = clWindowText, InactiveMonth = clGrayText;
        TColor WeekNoBg = clAppWorkSpace, WeekNoFg = clBtnText;
        TColor DayIdBg = clAppWorkSpace, DayIdFg = clBtnText;
        TColor SelectedBg = clHighlight, SelectedFg = clHighlightText;
        TColor HolidayBg = cl3DLight, HolidayFg = clWindowText;
        TColor Today = clRed;
    };

    // The Language property as its ordinal (TLanguage is no Qt enum).
    int LanguageValue() const { return Language(); }
    void SetLanguageValue(int value) { SetLanguage(TLanguage(value)); }

    struct Private;
    // Reads the days as cells for screen readers (minical_accessible.cpp).
    friend class TMiniCalAccessible;
    std::unique_ptr<Private> d;
};

/// Easter Sunday of a Gregorian year (Gauss's rule): Month is 3 or 4.
VEK_EXPORT void CalcEasterSunday(int Year, int& Day, int& Month);

} // namespace vek
