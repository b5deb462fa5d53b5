// TMiniCal: month layout, date steps and their errors, holidays fixed, movable and added,
// clicks on days and buttons (across the turn of the year too), the texts the cells show
// (caption, weekday names, week numbers), today's ring, and the colors of day cells.
#include <VEK_MiniCal.h>

#include <frame/baselib/colortable.h>
#include <frame/baselib/nametables.h>
#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>

#include "marking_translator.h"
#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

using namespace vek;
using vektest::ColorAt;
using vektest::Render;

namespace {

struct MiniCal : ::testing::Test {
    TMiniCal cal;
    int changes = 0;
    void SetUp() override
    {
        cal.SetMarkToday(false);
        Render(&cal); // delivers the pending resize of the never-shown widget
        cal.SetDate(EncodeDate(2024, 5, 15));
        cal.OnChange = [this](TObject*) { ++changes; };
    }
    QPoint CellCenter(int col, int row) const
    {
        return cal.CellRect(col, row).ToQRect().center();
    }
    void Click(int col, int row)
    {
        QTest::mouseClick(&cal, Qt::LeftButton, {}, CellCenter(col, row));
    }
    QString DateText() const
    {
        int y, m, d;
        DecodeDate(cal.Date(), y, m, d);
        return QStringLiteral("%1-%2-%3").arg(y).arg(m).arg(d);
    }
    // The caption spans columns 3 to 5 of row 0 and the two grid lines between them.
    QRect CaptionRect() const
    {
        const QRect last = cal.CellRect(5, 0).ToQRect();
        return QRect(last.left() - 2 * last.width() - 2, last.top(), 3 * last.width() + 2,
                     last.height());
    }
    // Which of the candidates the cell shows: the one whose text, centred in the cell in
    // the calendar's font and in ink on background, gives the cell's pixels inside its
    // two-pixel rim (where buttons have their frame). "?" when none does.
    QString ShownText(const QRect& cell, const QStringList& candidates, TColor ink,
                      TColor background)
    {
        const QImage shown = Render(&cal).copy(cell.adjusted(2, 2, -2, -2));
        const QFontMetrics metrics(cal.font());
        for (const QString& text : candidates) {
            QImage expected(cell.size(), QImage::Format_RGB32);
            expected.fill(ToQColor(background));
            QPainter painter(&expected);
            painter.setFont(cal.font());
            painter.setPen(ToQColor(ink));
            painter.drawText((cell.width() - metrics.horizontalAdvance(text)) / 2,
                             (cell.height() - metrics.height()) / 2 + metrics.ascent(), text);
            painter.end();
            if (expected.copy(QRect(QPoint(), cell.size()).adjusted(2, 2, -2, -2)) == shown)
                return text;
        }
        return "?";
    }
    QString WeekDayName(int col)
    {
        static const QStringList names = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun",
                                          "Mo",  "Di",  "Mi",  "Do",  "Fr",  "Sa",  "So"};
        return ShownText(cal.CellRect(col, 1).ToQRect(), names, cal.ColorDayIdFg(),
                         cal.ColorDayIdBg());
    }
    QString WeekNumbers()
    {
        QStringList numbers, shown;
        for (int week = 1; week <= 53; ++week)
            numbers << QString::number(week);
        for (int row = 2; row <= 7; ++row)
            shown << ShownText(cal.CellRect(0, row).ToQRect(), numbers, cal.ColorWeekNoFg(),
                               cal.ColorWeekNoBg());
        return shown.join(' ');
    }
};

} // namespace

TEST(Easter, GaussRule)
{
    int d = 0, m = 0;
    CalcEasterSunday(2024, d, m);
    EXPECT_EQ(QPoint(d, m), QPoint(31, 3));
    CalcEasterSunday(2025, d, m);
    EXPECT_EQ(QPoint(d, m), QPoint(20, 4));
    CalcEasterSunday(2038, d, m); // the latest possible date
    EXPECT_EQ(QPoint(d, m), QPoint(25, 4));
}

TEST_F(MiniCal, DefaultsAndGeometry)
{
    TMiniCal fresh;
    EXPECT_EQ(fresh.width(), 300);
    EXPECT_EQ(fresh.height(), 180);
    EXPECT_EQ(fresh.ColCount(), 8);
    EXPECT_EQ(fresh.RowCount(), 8);
    EXPECT_EQ(fresh.FixedCols(), 1);
    EXPECT_EQ(fresh.FixedRows(), 2);
    EXPECT_EQ(fresh.NumHolidays(), 8);
    EXPECT_FALSE(fresh.Options() & goRangeSelect);
    EXPECT_NEAR(fresh.Date(), Now(), 1.0 / 24);
    // The cells fill the client area exactly (the last grid line on its edge): row 0
    // and column 0 take the remainder.
    const TRect client = fresh.GridClientRect();
    EXPECT_EQ(fresh.CellRect(7, 7).Right, client.Right - 1);
    EXPECT_EQ(fresh.CellRect(7, 7).Bottom, client.Bottom - 1);
    EXPECT_EQ(fresh.DefaultColWidth(), (client.Width() - 7) / 8);
}

TEST_F(MiniCal, FirstDayPlacement)
{
    cal.SetDate(EncodeDate(2024, 4, 10)); // 1 April 2024 is a Monday
    EXPECT_EQ(cal.MouseCoord(0, 0).X, -1);
    Click(1, 2);
    EXPECT_EQ(DateText(), "2024-4-1");
    cal.SetDate(EncodeDate(2024, 9, 10)); // 1 September 2024 is a Sunday: column 7
    Click(7, 2);
    EXPECT_EQ(DateText(), "2024-9-1");
    cal.SetFirstDayOfWeek(TMiniCal::dwSun); // now it opens the week
    Click(1, 2);
    EXPECT_EQ(DateText(), "2024-9-1");
}

TEST_F(MiniCal, DatePartsAndSteps)
{
    cal.SetDate(EncodeDate(2024, 1, 31));
    cal.NextMonth();
    EXPECT_EQ(DateText(), "2024-2-29");
    cal.SetDate(EncodeDate(2025, 1, 31));
    cal.NextMonth();
    EXPECT_EQ(DateText(), "2025-2-28");
    cal.SetDate(EncodeDate(2024, 3, 31));
    cal.PrevMonth();
    EXPECT_EQ(DateText(), "2024-2-29");
    cal.SetDate(EncodeDate(2024, 12, 15));
    cal.NextMonth();
    EXPECT_EQ(DateText(), "2025-1-15");
    cal.SetDate(EncodeDate(2024, 2, 29));
    cal.NextYear();
    EXPECT_EQ(DateText(), "2025-2-28");
    cal.LastDayOfMonth();
    EXPECT_EQ(DateText(), "2025-2-28");
    cal.SetMonth(4);
    cal.SetDay(30);
    changes = 0;
    EXPECT_THROW(cal.SetMonth(2), EConvertError); // 30 February
    EXPECT_THROW(cal.SetDay(0), EConvertError);
    EXPECT_THROW(cal.SetYear(0), EConvertError);
    EXPECT_THROW(cal.SetYear(10000), EConvertError);
    EXPECT_EQ(DateText(), "2025-4-30");
    EXPECT_EQ(changes, 0);
    cal.SetYear(-1); // ignored
    cal.SetMonth(13);
    cal.SetDay(31);
    EXPECT_EQ(DateText(), "2025-4-30");
}

TEST_F(MiniCal, FixedAndUserHolidays)
{
    QString caption;
    EXPECT_TRUE(cal.CheckHoliday(2030, 12, 25, caption));
    EXPECT_EQ(caption, "Christmas Day");
    cal.AddRepeatHoliday(25, 12, "Our party");
    cal.CheckHoliday(2030, 12, 25, caption);
    EXPECT_EQ(caption, "Christmas Day"); // the earlier entry wins
    cal.AddHoliday(3, 10, 2024, "Unity");
    EXPECT_TRUE(cal.CheckHoliday(2024, 10, 3, caption));
    EXPECT_FALSE(cal.CheckHoliday(2025, 10, 3, caption));
    EXPECT_EQ(caption, "");
    int d = 0, m = 0, y = 0;
    bool repeat = false;
    QString text;
    ASSERT_TRUE(cal.RetrieveHoliday(10, d, m, y, repeat, text));
    EXPECT_EQ(QList<int>({d, m, y}), QList<int>({3, 10, 2024}));
    EXPECT_FALSE(repeat);
    ASSERT_TRUE(cal.RetrieveHoliday(1, d, m, y, repeat, text));
    EXPECT_TRUE(repeat);
    EXPECT_EQ(y, TMiniCal::RepeatYear);
    d = 77;
    EXPECT_FALSE(cal.RetrieveHoliday(11, d, m, y, repeat, text));
    EXPECT_EQ(d, 77);
    cal.SetLanguage(lgGerman); // reloads the built-in list, user entries dropped
    EXPECT_EQ(cal.NumHolidays(), 8);
    EXPECT_TRUE(cal.CheckHoliday(2024, 1, 6, caption));
    EXPECT_EQ(caption, "Hl. Drei Könige");
    cal.ClearHolidayList();
    EXPECT_EQ(cal.NumHolidays(), 0);
    EXPECT_FALSE(cal.CheckHoliday(2024, 12, 25, caption));
}

TEST_F(MiniCal, MovableHolidays)
{
    QString caption;
    EXPECT_TRUE(cal.CheckHoliday(2024, 5, 19, caption));
    EXPECT_EQ(caption, "Pentecost");
    EXPECT_TRUE(cal.CheckHoliday(2024, 5, 30, caption));
    EXPECT_EQ(caption, "Corpus Christi");
    EXPECT_TRUE(cal.CheckHoliday(2038, 6, 24, caption)); // Easter 25 April + 60
    EXPECT_TRUE(cal.CheckHoliday(2024, 4, 1, caption));
    EXPECT_EQ(caption, "Easter Monday");
    cal.SetLanguage(lgSpanish);
    cal.CheckHoliday(2024, 5, 30, caption);
    EXPECT_EQ(caption, "Corpus Cristi");
    cal.SetShowMovableHolidays(false);
    EXPECT_FALSE(cal.CheckHoliday(2024, 5, 19, caption));
}

TEST_F(MiniCal, HolidayHintFollowsTheSelectedDay)
{
    cal.SetDate(EncodeDate(2024, 11, 1));
    EXPECT_EQ(cal.Hint(), "All Saints");
    EXPECT_TRUE(cal.ShowHint());
    cal.SetDate(EncodeDate(2024, 11, 2));
    EXPECT_EQ(cal.Hint(), "");
    cal.SetIndicateHolidays(false);
    cal.SetDate(EncodeDate(2024, 11, 1));
    EXPECT_EQ(cal.Hint(), "");
}

TEST_F(MiniCal, ClicksOnDaysAndButtons)
{
    cal.SetDate(EncodeDate(2024, 5, 15)); // 1 May 2024 is a Wednesday: column 3
    changes = 0;
    Click(5, 4); // n = -1 + 5 + 28 - 15 = 17
    EXPECT_EQ(DateText(), "2024-5-17");
    EXPECT_EQ(changes, 1);
    Click(1, 2); // 29 April, grey: switches to April
    EXPECT_EQ(DateText(), "2024-4-29");
    cal.SetDate(EncodeDate(2024, 5, 15));
    cal.SetAutoSwitch(false);
    changes = 0;
    Click(7, 7); // 9 June, grey: nothing
    EXPECT_EQ(DateText(), "2024-5-15");
    EXPECT_EQ(changes, 0);
    Click(6, 0);
    EXPECT_EQ(DateText(), "2024-6-15");
    Click(2, 0);
    Click(1, 0);
    EXPECT_EQ(DateText(), "2023-5-15");
    Click(7, 0);
    Click(4, 0); // the caption: nothing
    EXPECT_EQ(DateText(), "2024-5-15");
    QTest::mouseClick(&cal, Qt::RightButton, {}, CellCenter(6, 0));
    EXPECT_EQ(DateText(), "2024-5-15");
    Click(0, 1);
    EXPECT_NEAR(cal.Date(), Now(), 1.0 / 24);
}

TEST_F(MiniCal, DayCellColors)
{
    // The defaults are palette colors; the pixels show them resolved.
    cal.SetDate(EncodeDate(2024, 5, 15));
    QImage image = Render(&cal);
    auto corner = [&](int col, int row) {
        const TRect r = cal.CellRect(col, row);
        return ColorAt(image, r.Left + 1, r.Bottom - 2);
    };
    EXPECT_EQ(corner(1, 3), ColorToRGB(clWindow));                     // Monday 6 May
    EXPECT_EQ(corner(6, 3), ColorToRGB(clBtnFace));                    // Saturday 11 May
    EXPECT_EQ(corner(7, 3), ColorToRGB(clBtnFace));                    // Sunday 12 May
    EXPECT_EQ(corner(3, 4), ColorToRGB(cal.ColorSelectedBg()));        // Wednesday 15 May
    EXPECT_EQ(corner(3, 2), ColorToRGB(cal.ColorHolidayBg()));         // 1 May, Labor Day
    EXPECT_EQ(corner(4, 3), ColorToRGB(cal.ColorHolidayBg()));         // 9 May, Ascension Day
    EXPECT_EQ(corner(1, 1), ColorToRGB(cal.ColorDayIdBg()));
    EXPECT_EQ(corner(0, 3), ColorToRGB(cal.ColorWeekNoBg()));
    cal.SetDate(EncodeDate(2024, 5, 1)); // selected and a holiday: the mean color
    image = Render(&cal);
    EXPECT_EQ(corner(3, 2), MeanColor(cal.ColorSelectedBg(), cal.ColorHolidayBg()));

    // Colors the program sets are used as they are.
    cal.SetDayColors(TMiniCal::dwSat, 0xBBDDEE);
    cal.SetColorHolidayBg(0x9BD8F1);
    image = Render(&cal);
    EXPECT_EQ(corner(6, 3), 0xBBDDEEu);
    EXPECT_EQ(corner(4, 3), 0x9BD8F1u);
}

TEST_F(MiniCal, CaptionNamesTheShownMonthAndYear)
{
    const QStringList captions = {"May 2024", "Jun 2024",      "Dec 2024",     "Jan 2025",
                                  "Jan 2024", "December 2024", "Dezember 2024"};
    auto caption = [&] { return ShownText(CaptionRect(), captions, clBtnText, clBtnFace); };
    EXPECT_EQ(caption(), "May 2024");
    cal.SetDate(EncodeDate(2024, 12, 31));
    EXPECT_EQ(caption(), "Dec 2024");
    cal.NextMonth(); // the year turns with the month
    EXPECT_EQ(caption(), "Jan 2025");
    cal.PrevMonth();
    cal.SetShowMonthShort(false);
    EXPECT_EQ(caption(), "December 2024");
    cal.SetLanguage(lgGerman);
    EXPECT_EQ(caption(), "Dezember 2024");
}

TEST_F(MiniCal, WeekdayNamesFollowTheFirstDayAndTheLanguage)
{
    auto names = [&] {
        QStringList row;
        for (int col = 1; col <= 7; ++col)
            row << WeekDayName(col);
        return row.join(' ');
    };
    EXPECT_EQ(names(), "Mon Tue Wed Thu Fri Sat Sun");
    cal.SetFirstDayOfWeek(TMiniCal::dwSun);
    EXPECT_EQ(names(), "Sun Mon Tue Wed Thu Fri Sat");
    cal.SetFirstDayOfWeek(TMiniCal::dwWed);
    cal.SetLanguage(lgGerman);
    EXPECT_EQ(names(), "Mi Do Fr Sa So Mo Di");
}

TEST_F(MiniCal, WeekNumbersAreTheIsoWeeksOfTheRows)
{
    EXPECT_EQ(WeekNumbers(), "18 19 20 21 22 23"); // May 2024
    cal.SetDate(EncodeDate(2024, 12, 10)); // Monday 30 December starts week 1 of 2025
    EXPECT_EQ(WeekNumbers(), "48 49 50 51 52 1");
    cal.SetDate(EncodeDate(2021, 1, 10)); // Friday 1 January 2021 lies in week 53 of 2020
    EXPECT_EQ(WeekNumbers(), "53 1 2 3 4 5");
    // Weeks from Sunday: a row (Sunday 1 December to Saturday 7 December 2024) holds six
    // days of ISO week 49 and one of week 48, and is numbered after the six.
    cal.SetFirstDayOfWeek(TMiniCal::dwSun);
    cal.SetDate(EncodeDate(2024, 12, 10));
    EXPECT_EQ(WeekNumbers(), "49 50 51 52 1 2");
    // Saturday 31 August to Friday 6 September 2024: five days of week 36.
    cal.SetFirstDayOfWeek(TMiniCal::dwSat);
    cal.SetDate(EncodeDate(2024, 9, 10));
    EXPECT_EQ(WeekNumbers(), "36 37 38 39 40 41");
}

TEST_F(MiniCal, TodayIsRingedInItsMonthOnly)
{
    const QDate today = QDate::currentDate();
    // Another day of today's month is selected, so today's cell has a plain background.
    const int other = today.day() <= 14 ? today.day() + 7 : today.day() - 7;
    cal.SetDate(EncodeDate(today.year(), today.month(), other));
    // Today's cell: the first of the month sits in the column of its weekday, in row 2.
    const int firstCol = (QDate(today.year(), today.month(), 1).dayOfWeek() + 6) % 7 + 1;
    const int index = firstCol - 1 + today.day() - 1;
    const QRect cell = cal.CellRect(index % 7 + 1, 2 + index / 7).ToQRect();

    const QImage plain = Render(&cal);
    cal.SetMarkToday(true);
    const QImage marked = Render(&cal);
    // Every changed pixel lies in today's cell, and the changes reach round it (the ring
    // runs two pixels inside the cell; its antialiased edge is not pinned).
    QRect changed;
    int reddest = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const QRgb before = plain.pixel(x, y), after = marked.pixel(x, y);
            if (before == after)
                continue;
            changed |= QRect(x, y, 1, 1);
            reddest = std::max(reddest, qRed(after) - std::max(qGreen(after), qBlue(after)));
        }
    EXPECT_TRUE(cell.contains(changed)) << "changed " << changed.x() << "," << changed.y();
    EXPECT_GE(changed.width(), cell.width() - 6);
    EXPECT_GE(changed.height(), cell.height() - 6);
    EXPECT_GT(reddest, 100) << "the ring is drawn in ColorToday, red";

    cal.NextMonth(); // the same day number in another month has no ring
    const QImage elsewhere = Render(&cal);
    cal.SetMarkToday(false);
    EXPECT_EQ(Render(&cal), elsewhere);
}

TEST_F(MiniCal, GreyDaysSwitchAcrossTheTurnOfTheYear)
{
    // December 2024 starts on a Sunday (column 7 of row 2): the last cell is 5 January.
    cal.SetDate(EncodeDate(2024, 12, 15));
    changes = 0;
    Click(7, 7);
    EXPECT_EQ(DateText(), "2025-1-5");
    EXPECT_EQ(changes, 1);
    // January 2025 starts on a Wednesday: column 1 of row 2 is Monday 30 December 2024.
    Click(1, 2);
    EXPECT_EQ(DateText(), "2024-12-30");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(ShownText(CaptionRect(), {"Dec 2024", "Dec 2025", "Jan 2025"}, clBtnText,
                        clBtnFace),
              "Dec 2024");
}

TEST_F(MiniCal, ThePressIsTheWholeClick)
{
    // A release reports nothing but the click itself, and leaves no drag of the grid
    // behind, even with range selection and column sizing turned on.
    int ups = 0, clicks = 0;
    cal.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
    cal.OnClick = [&](TObject*) { ++clicks; };
    cal.SetOptions(cal.Options() | goRangeSelect | goColSizing);
    auto moveWithoutButtons = [&](QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, cal.mapToGlobal(to), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&cal, &move);
    };

    Click(5, 4); // 17 May
    moveWithoutButtons(CellCenter(7, 6));
    EXPECT_EQ(DateText(), "2024-5-17");
    EXPECT_EQ(cal.Selection().Left, cal.Selection().Right);
    EXPECT_EQ(cal.Selection().Top, cal.Selection().Bottom);
    EXPECT_EQ(ups, 0);
    EXPECT_EQ(clicks, 1);

    // On the border between two weekday names, where column sizing would start.
    const TRect monday = cal.CellRect(1, 1);
    const QPoint border(monday.Right, (monday.Top + monday.Bottom) / 2);
    const int width = cal.ColWidths(1);
    QTest::mousePress(&cal, Qt::LeftButton, {}, border);
    QTest::mouseRelease(&cal, Qt::LeftButton, {}, border);
    moveWithoutButtons(border + QPoint(12, 0));
    EXPECT_EQ(cal.ColWidths(1), width);
    EXPECT_EQ(ups, 0);
}

TEST_F(MiniCal, DisabledCalendarGraysItsTexts)
{
    // The darkest pixel of a cell is its text's ink (in the light test palette the cells
    // are lighter than any text color): black while enabled, gray while disabled, also on
    // the gray cells. The cells keep their backgrounds.
    auto darkest = [](const QImage& image, const QRect& area) {
        int level = 255;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                level = std::min(level, qGray(image.pixel(x, y)));
        return level;
    };
    const QRect day = cal.CellRect(1, 3).ToQRect();     // Monday 6 May
    const QRect weekDay = cal.CellRect(1, 1).ToQRect(); // "Mon" on the palette's mid gray
    // "<" inside its frame
    const QRect button = cal.CellRect(2, 0).ToQRect().adjusted(3, 3, -3, -3);
    const int gray = qGray(ToQRgb(clGray));
    const QImage enabled = Render(&cal);
    EXPECT_LT(darkest(enabled, day), 64);
    EXPECT_LT(darkest(enabled, button), 64);
    cal.setEnabled(false);
    const QImage disabled = Render(&cal);
    EXPECT_NEAR(darkest(disabled, day), gray, 8);
    EXPECT_NEAR(darkest(disabled, weekDay), gray, 8);
    EXPECT_NEAR(darkest(disabled, button), gray, 8);
    EXPECT_EQ(ColorAt(disabled, day.left() + 1, day.bottom() - 1), ColorToRGB(clWindow));
}

// The neutral language's names and holidays are English texts the application's
// translators translate; a fixed language stays the control's own choice.
TEST_F(MiniCal, NeutralLanguageFollowsTheApplicationsTranslator)
{
    cal.SetLanguage(lgNeutral);
    cal.SetDate(EncodeDate(2024, 3, 31)); // Easter Sunday
    EXPECT_EQ(cal.Hint(), "Easter Day");
    EXPECT_EQ(MonthShort(lgNeutral, 5), "May");
    {
        vektest::ScopedMarkingTranslator german;
        EXPECT_EQ(cal.Hint(), "[de] Easter Day"); // the hint is read again
        EXPECT_EQ(MonthLong(lgNeutral, 5), "[de month] May");
        EXPECT_EQ(MonthShort(lgNeutral, 5), "[de month, short] May");
        EXPECT_EQ(WeekDayShort(lgNeutral, 7), "[de weekday, short] Sun");
        EXPECT_EQ(MonthLong(lgEnglish, 5), "May");
        EXPECT_EQ(MonthLong(lgGerman, 3), QString::fromUtf8("März"));
        TMiniCal made;
        made.SetLanguage(lgNeutral); // loads the built-in holidays in the neutral language
        QString caption;
        EXPECT_TRUE(made.CheckHoliday(2024, 12, 25, caption));
        EXPECT_EQ(caption, "[de] Christmas Day");
    }
    EXPECT_EQ(cal.Hint(), "Easter Day");
}
