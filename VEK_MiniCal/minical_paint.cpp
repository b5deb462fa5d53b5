// TMiniCal painting: buttons and caption, weekday names, week numbers and day cells.
#include "VEK_MiniCal.h"

#include <frame/baselib/colortable.h>
#include <frame/runtime/rtl.h>

namespace vek {

void TMiniCal::DrawCell(int ACol, int ARow, const TRect& Rect, TGridDrawState)
{
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsSolid);
    if (ARow == 0) {
        static const QString Buttons[8] = {"", "<<", "<", "", "", "", ">", ">>"};
        if (ACol == 5) {
            // The caption spans columns 3 to 5 and the two grid lines between them.
            TRect caption = Rect;
            caption.Left -= 2 * (Rect.Right - Rect.Left) + 2;
            const QString month = FShowMonthShort ? MonthShort(FLanguage, Month())
                                                  : MonthLong(FLanguage, Month());
            DrawButton(caption, month + " " + QString::number(Year()));
        } else if (!Buttons[ACol].isEmpty())
            DrawButton(Rect, Buttons[ACol]);
    } else if (ARow == 1 && ACol == 0) {
        TRect today = Rect; // "#" covers the corner of both header rows
        today.Top -= RowHeights(0) + 1;
        DrawButton(today, "#");
    } else if (ARow == 1) {
        canvas->Brush()->SetColor(FColors.DayIdBg);
        canvas->Font()->SetColor(FColors.DayIdFg);
        DrawCentered(Rect, WeekDayShort(FLanguage, (FFirstDayOfWeek + ACol - 1) % 7 + 1));
    } else if (ACol == 0) {
        canvas->Brush()->SetColor(FColors.WeekNoBg);
        canvas->Font()->SetColor(FColors.WeekNoFg);
        const TDateTime first = EncodeDate(Year(), Month(), 1);
        DrawCentered(Rect, QString::number(WeekOfTheYear(first + 7 * (ARow - 2))));
    } else
        DrawDay(ACol, ARow, Rect);
}

void TMiniCal::DrawCentered(const TRect& Rect, const QString& Text)
{
    TCanvas* canvas = Canvas();
    const int x = Rect.Left + (Rect.Right - Rect.Left - canvas->TextWidth(Text)) / 2;
    const int y = Rect.Top + (Rect.Bottom - Rect.Top - canvas->TextHeight(Text)) / 2;
    canvas->TextRect(Rect, x, y, Text);
}

// Buttons take the theme's button colors, so they read well in dark themes too.
void TMiniCal::DrawButton(const TRect& Rect, const QString& Text)
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(clBtnFace);
    canvas->Font()->SetColor(clBtnText);
    DrawCentered(Rect, Text);
    if (FCtl3D)
        DrawButtonFrame(Rect);
}

void TMiniCal::DrawButtonFrame(const TRect& Rect)
{
    TCanvas* canvas = Canvas();
    const int l = Rect.Left, t = Rect.Top, r = Rect.Right, b = Rect.Bottom;
    auto polyline = [canvas](TColor color, std::initializer_list<TPoint> points) {
        canvas->Pen()->SetColor(color);
        canvas->MoveTo(points.begin()->x(), points.begin()->y());
        for (auto p = points.begin() + 1; p != points.end(); ++p)
            canvas->LineTo(p->x(), p->y());
    };
    polyline(clWhite, {{l, b - 1}, {l, t}, {r, t}});
    polyline(0x686868, {{l, b}, {r, b}, {r, t}});
    polyline(0x9CA0A5, {{l + 1, b - 1}, {r - 1, b - 1}, {r - 1, t}});
    polyline(0xE6E2E2, {{l + 1, b - 2}, {l + 1, t + 1}, {r - 1, t + 1}});
}

void TMiniCal::DrawDay(int ACol, int ARow, const TRect& Rect)
{
    TCanvas* canvas = Canvas();
    int y, m, d;
    DecodeDate(FDate, y, m, d);
    const int n = DayNumber(ACol, ARow), length = DaysInAMonth(y, m);
    canvas->Brush()->SetColor(FDayColors[std::size_t((ACol + FFirstDayOfWeek - 1) % 7)]);
    canvas->Font()->SetColor(FColors.InactiveMonth);
    int shown = n;
    if (n < 1)
        shown = n + (m == 1 ? 31 : DaysInAMonth(y, m - 1));
    else if (n > length)
        shown = n - length;
    else {
        canvas->Font()->SetColor(FColors.ActiveMonth);
        QString caption;
        const bool holiday = FIndicateHolidays && CheckHoliday(y, m, n, caption);
        if (holiday) {
            canvas->Brush()->SetColor(FColors.HolidayBg);
            canvas->Font()->SetColor(FColors.HolidayFg);
        }
        if (n == d) {
            canvas->Font()->SetColor(FColors.SelectedFg);
            canvas->Brush()->SetColor(holiday ? MeanColor(FColors.SelectedBg, FColors.HolidayBg)
                                              : FColors.SelectedBg);
        }
    }
    DrawCentered(Rect, QString::number(shown));
    DrawTodayMark(n, Rect);
}

void TMiniCal::DrawTodayMark(int n, const TRect& Rect)
{
    int ty, tm, td, y, m, d;
    DecodeDate(vek::Now(), ty, tm, td);
    DecodeDate(FDate, y, m, d);
    if (!FMarkToday || y != ty || m != tm || n != td)
        return;
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetColor(FColors.Today);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Ellipse(Rect.Left + 2, Rect.Top + 2, Rect.Right - 2, Rect.Bottom - 2);
    canvas->Brush()->SetStyle(bsSolid);
}

} // namespace vek
