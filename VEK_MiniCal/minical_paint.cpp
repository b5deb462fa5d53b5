// TMiniCal painting: buttons and caption, weekday names, week numbers and day cells.
#include "minical_p.h"

#include <frame/baselib/colortable.h>
#include <frame/baselib/textcolors.h>
#include <frame/runtime/rtl.h>

#include <algorithm>
#include <cmath>

namespace vek {

namespace {

// All texts are centred in their cell and clipped to it. A disabled calendar shows
// them in the library's disabled gray, whatever color the cell asked for: a mid gray
// stays legible on light and dark cells alike, where a theme's disabled text color may
// vanish on the gray header cells or on a fixed color the program set.
void DrawCentered(TCanvas* canvas, const TRect& Rect, const QString& Text, bool enabled)
{
    if (!enabled)
        canvas->Font()->SetColor(clGray);
    const int x = Rect.Left + (Rect.Right - Rect.Left - canvas->TextWidth(Text)) / 2;
    const int y = Rect.Top + (Rect.Bottom - Rect.Top - canvas->TextHeight(Text)) / 2;
    canvas->TextRect(Rect, x, y, Text);
}

// A raised button in the palette's bevel colors: light outside and a softer light inside
// on the left and top, the darkest shadow outside and a softer one inside on the right
// and bottom (on a light theme these are white, dark gray, gray and light gray).
void DrawButtonFrame(TCanvas* canvas, const TRect& Rect)
{
    const int l = Rect.Left, t = Rect.Top, r = Rect.Right, b = Rect.Bottom;
    auto polyline = [canvas](TColor color, std::initializer_list<TPoint> points) {
        canvas->Pen()->SetColor(color);
        canvas->MoveTo(points.begin()->x(), points.begin()->y());
        for (auto p = points.begin() + 1; p != points.end(); ++p)
            canvas->LineTo(p->x(), p->y());
    };
    polyline(clBtnHighlight, {{l, b - 1}, {l, t}, {r, t}});
    polyline(cl3DDkShadow, {{l, b}, {r, b}, {r, t}});
    polyline(clBtnShadow, {{l + 1, b - 1}, {r - 1, b - 1}, {r - 1, t}});
    polyline(cl3DLight, {{l + 1, b - 2}, {l + 1, t + 1}, {r - 1, t + 1}});
}

} // namespace

QString TMiniCal::Private::CaptionText(int month, int year) const
{
    const QString name = showMonthShort ? MonthShort(language, month) : MonthLong(language, month);
    return name + " " + QString::number(year);
}

void TMiniCal::DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState)
{
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsSolid);
    const bool enabled = isEnabled();
    // Buttons take the theme's button colors, so they read well in dark themes too.
    auto button = [&](const TRect& rect, const QString& text) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->Font()->SetColor(clBtnText);
        DrawCentered(canvas, rect, text, enabled);
        if (d->ctl3D)
            DrawButtonFrame(canvas, rect);
    };
    if (ARow == 0) {
        static const QString Buttons[8] = {"", "<<", "<", "", "", "", ">", ">>"};
        if (ACol == 5) {
            // The caption spans columns 3 to 5 and the two grid lines between them.
            TRect caption = Rect;
            caption.Left -= 2 * (Rect.Right - Rect.Left) + 2;
            button(caption, d->CaptionText(Month(), Year()));
        } else if (!Buttons[ACol].isEmpty())
            button(Rect, Buttons[ACol]);
    } else if (ARow == 1 && ACol == 0) {
        TRect today = Rect; // "#" covers the corner of both header rows
        today.Top -= RowHeights(0) + 1;
        button(today, "#");
    } else if (ARow == 1) {
        canvas->Brush()->SetColor(d->colors.DayIdBg);
        canvas->Font()->SetColor(d->colors.DayIdFg);
        DrawCentered(canvas, Rect,
                     WeekDayShort(d->language, (d->firstDayOfWeek + ACol - 1) % 7 + 1), enabled);
    } else if (ACol == 0) {
        canvas->Brush()->SetColor(d->colors.WeekNoBg);
        canvas->Font()->SetColor(d->colors.WeekNoFg);
        DrawCentered(canvas, Rect, QString::number(d->WeekNumber(ARow)), enabled);
    } else
        d->DrawDay(ACol, ARow, Rect);
}

// A row whose week starts on another day than Monday spans two ISO weeks; it takes the
// number of the one that holds most of its days, which is the week of its Thursday.
// (The week of the month's first day plus whole weeks would number a row from Sunday 1
// to Saturday 7 after the Sunday alone.)
int TMiniCal::Private::WeekNumber(int ARow) const
{
    int y, m, day;
    DecodeDate(date, y, m, day);
    const TDateTime rowStart = EncodeDate(y, m, 1) + (DayNumber(1, ARow) - 1);
    const int toThursday = (dwThu - firstDayOfWeek + 7) % 7;
    return WeekOfTheYear(rowStart + toThursday);
}

void TMiniCal::Private::DrawDay(int ACol, int ARow, const TRect& Rect)
{
    TCanvas* canvas = q->Canvas();
    int y, m, day;
    DecodeDate(date, y, m, day);
    const int n = DayNumber(ACol, ARow), length = DaysInAMonth(y, m);
    canvas->Brush()->SetColor(dayColors[std::size_t((ACol + firstDayOfWeek - 1) % 7)]);
    canvas->Font()->SetColor(colors.InactiveMonth);
    int shown = n;
    if (n < 1)
        shown = n + (m == 1 ? 31 : DaysInAMonth(y, m - 1));
    else if (n > length)
        shown = n - length;
    else {
        canvas->Font()->SetColor(colors.ActiveMonth);
        QString caption;
        const bool holiday = indicateHolidays && q->CheckHoliday(y, m, n, caption);
        if (holiday) {
            canvas->Brush()->SetColor(colors.HolidayBg);
            canvas->Font()->SetColor(colors.HolidayFg);
        }
        if (n == day && holiday) {
            // Half selection, half holiday; the mix can lie far from both backgrounds
            // (white on a blue mixed with a light face is barely legible), so the number
            // takes whichever of the two texts stands out more on it.
            const TColor mixed = MeanColor(colors.SelectedBg, colors.HolidayBg);
            canvas->Brush()->SetColor(mixed);
            canvas->Font()->SetColor(ContrastRatio(colors.SelectedFg, mixed)
                                             >= ContrastRatio(colors.HolidayFg, mixed)
                                         ? colors.SelectedFg
                                         : colors.HolidayFg);
        } else if (n == day) {
            canvas->Brush()->SetColor(colors.SelectedBg);
            canvas->Font()->SetColor(colors.SelectedFg);
        }
    }
    DrawCentered(canvas, Rect, QString::number(shown), q->isEnabled());
    // The selected day stands for the current cell: the days are no cells of the grid's.
    if (n == day)
        q->DrawCellFocusMark(Rect);
    DrawTodayMark(n, Rect);
}

void TMiniCal::Private::DrawTodayMark(int n, const TRect& Rect)
{
    int ty, tm, td, y, m, day;
    DecodeDate(vek::Now(), ty, tm, td);
    DecodeDate(date, y, m, day);
    if (!markToday || y != ty || m != tm || n != td)
        return;
    TCanvas* canvas = q->Canvas();
    canvas->Pen()->SetColor(colors.Today);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Ellipse(Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2);
    canvas->Brush()->SetStyle(bsSolid);
}

} // namespace vek
