// TMiniCal: month layout, date steps and their errors, holidays fixed, movable and added,
// clicks on days and buttons, and the colors of day cells.
#include <VEK_MiniCal.h>

#include <frame/baselib/colortable.h>
#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>

#include "pixels.h"
#include "qstring_printer.h"

#include <gtest/gtest.h>

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
    cal.SetDate(EncodeDate(2024, 5, 15));
    QImage image = Render(&cal);
    auto corner = [&](int col, int row) {
        const TRect r = cal.CellRect(col, row);
        return ColorAt(image, r.Left + 1, r.Bottom - 2);
    };
    EXPECT_EQ(corner(1, 3), 0xF8F8F8u);                 // Monday 6 May
    EXPECT_EQ(corner(6, 3), 0xBBDDEEu);                 // Saturday 11 May
    EXPECT_EQ(corner(7, 3), 0xCCEEFFu);                 // Sunday 12 May
    EXPECT_EQ(corner(3, 4), cal.ColorSelectedBg());     // Wednesday 15 May
    EXPECT_EQ(corner(3, 2), cal.ColorHolidayBg());      // 1 May, Labor Day
    EXPECT_EQ(corner(4, 3), cal.ColorHolidayBg());      // 9 May, Ascension Day
    EXPECT_EQ(corner(1, 1), cal.ColorDayIdBg());
    EXPECT_EQ(corner(0, 3), cal.ColorWeekNoBg());
    cal.SetDate(EncodeDate(2024, 5, 1)); // selected and a holiday: the mean color
    image = Render(&cal);
    EXPECT_EQ(corner(3, 2), MeanColor(cal.ColorSelectedBg(), cal.ColorHolidayBg()));
}

TEST_F(MiniCal, DisabledCalendarGraysItsTexts)
{
    // The darkest pixel of a cell is its text's ink (the cells are lighter than any text
    // color): black while enabled, gray while disabled, also on the gray cells. The cells
    // keep their backgrounds.
    auto darkest = [](const QImage& image, const QRect& area) {
        int level = 255;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                level = std::min(level, qGray(image.pixel(x, y)));
        return level;
    };
    const QRect day = cal.CellRect(1, 3).ToQRect();     // Monday 6 May
    const QRect weekDay = cal.CellRect(1, 1).ToQRect(); // "Mon" on $C0C0C0
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
    EXPECT_EQ(ColorAt(disabled, day.left() + 1, day.bottom() - 1), 0xF8F8F8u);
}
