// The mini calendar and the thumbnail grid as Qt widgets: layout, color properties,
// enabled and palette switches, size hints, and their signals for changes made by code
// and by the mouse; the calendar's date parts as properties and slots, and its colors in
// light and dark palettes.
#include <VEK_MiniCal.h>
#include <VEK_Thumbnails.h>

#include "../Thumbnails/thumbnails_fixture.h" // mouse helpers, public API only
#include "pixels.h"
#include "scoped_palette.h"
#include "surface_checks.h"

#include <frame/core/application.h>
#include <frame/core/errors.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyle>
#include <QTest>

#include <cmath>

using namespace vek;

namespace {

// A fixed month without today's circle, so that two calendars made at different times
// paint alike. Its buttons take the palette's button colors.
TMiniCal* MakeCalendar()
{
    auto* cal = new TMiniCal;
    cal->SetMarkToday(false);
    cal->setDate(QDate(2024, 5, 15));
    return cal;
}

QPoint CellCenter(const TCustomGrid& grid, int col, int row)
{
    return grid.CellRect(col, row).ToQRect().center();
}

QMetaMethod NotifySignal(const QObject& object, const char* property)
{
    const QMetaObject* meta = object.metaObject();
    return meta->property(meta->indexOfProperty(property)).notifySignal();
}

// Contrast ratio of two colors, 1 (alike) to 21 (black on white), from their relative
// luminance.
double Contrast(QRgb a, QRgb b)
{
    auto luminance = [](QRgb c) {
        auto linear = [](int channel) {
            const double v = channel / 255.0;
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A cell's background (a pixel inside a button's frame, off the centred text) and the
// contrast of its text: the pixel of the cell that differs most from the background.
struct CellLook {
    QRgb background;
    double contrast;
};

CellLook LookOf(const QImage& image, const QRect& cell)
{
    const QRect inside = cell.adjusted(3, 3, -3, -3);
    const QRgb background = image.pixel(inside.topLeft());
    double contrast = 1;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            contrast = std::max(contrast, Contrast(image.pixel(x, y), background));
    return {background, contrast};
}

} // namespace

// ---- the mini calendar

TEST(MiniCalSurface, BehavesAsAQtWidget)
{
    vektest::ExpectQtSurface(MakeCalendar);
}

TEST(MiniCalSurface, DateIsAQDateProperty)
{
    std::unique_ptr<TMiniCal> cal(MakeCalendar());
    EXPECT_EQ(cal->property("Date").toDate(), QDate(2024, 5, 15));
    ASSERT_TRUE(cal->setProperty("Date", QDate(2031, 12, 31)));
    EXPECT_EQ(cal->Year(), 2031);
    EXPECT_EQ(cal->Day(), 31);
    EXPECT_EQ(NotifySignal(*cal, "Date"), QMetaMethod::fromSignal(&TMiniCal::dateChanged));
    EXPECT_EQ(NotifySignal(*cal, "FirstDayOfWeek"),
              QMetaMethod::fromSignal(&TMiniCal::firstDayOfWeekChanged));

    // Dates the calendar cannot show are ignored, without an exception.
    QSignalSpy spy(cal.get(), &TMiniCal::dateChanged);
    cal->setDate(QDate());
    cal->setDate(QDate(10000, 1, 1));
    cal->setDate(QDate(0, 1, 1));
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(cal->qDate(), QDate(2031, 12, 31));
}

TEST(MiniCalSurface, DayMonthAndYearAreProperties)
{
    std::unique_ptr<TMiniCal> cal(MakeCalendar());
    EXPECT_EQ(cal->property("Day").toInt(), 15);
    EXPECT_EQ(cal->property("Month").toInt(), 5);
    EXPECT_EQ(cal->property("Year").toInt(), 2024);
    const QMetaObject* meta = cal->metaObject();
    for (const char* name : {"Day", "Month", "Year"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(NotifySignal(*cal, name), QMetaMethod::fromSignal(&TMiniCal::dateChanged));
        EXPECT_FALSE(meta->property(meta->indexOfProperty(name)).isStored()); // it is Date
    }

    QSignalSpy spy(cal.get(), &TMiniCal::dateChanged);
    ASSERT_TRUE(cal->setProperty("Month", 6));
    ASSERT_TRUE(cal->setProperty("Day", 30));
    ASSERT_TRUE(cal->setProperty("Year", 2025));
    cal->setProperty("Day", 31); // June has 30 days: ignored
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(2).at(0).toDate(), QDate(2025, 6, 30));
    EXPECT_EQ(cal->qDate(), QDate(2025, 6, 30));
}

TEST(MiniCalSurface, DatePartSlotsRaiseWhenCalledButNotThroughASignal)
{
    std::unique_ptr<TMiniCal> cal(MakeCalendar());
    cal->SetDay(31); // 31 May
    EXPECT_THROW(cal->SetMonth(6), EConvertError);
    EXPECT_EQ(cal->qDate(), QDate(2024, 5, 31));

    // Wired to a spin box, the slot runs inside Qt's event handling: the error goes to
    // the application's handler and the date stays.
    QStringList errors;
    Application()->OnException = [&](TObject*, const QString& message) { errors << message; };
    QSpinBox month;
    month.setRange(0, 12);
    month.setValue(5);
    QObject::connect(&month, &QSpinBox::valueChanged, cal.get(), &TMiniCal::SetMonth);
    QSignalSpy spy(cal.get(), &TMiniCal::dateChanged);
    month.setValue(6); // 31 June
    EXPECT_EQ(cal->qDate(), QDate(2024, 5, 31));
    EXPECT_EQ(spy.count(), 0);
    month.setValue(7);
    Application()->OnException = nullptr;
    EXPECT_EQ(errors, QStringList{"Invalid argument to date encode"});
    EXPECT_EQ(cal->qDate(), QDate(2024, 7, 31));
    EXPECT_EQ(spy.count(), 1);
}

TEST(MiniCalSurface, DateChangedByCodeFollowsOnChange)
{
    std::unique_ptr<TMiniCal> cal(MakeCalendar());
    QStringList order;
    cal->OnChange = [&](TObject*) { order << "OnChange"; };
    QObject::connect(cal.get(), &TMiniCal::dateChanged, [&](QDate date) {
        order << date.toString(Qt::ISODate);
    });
    cal->NextMonth();
    cal->SetDay(31); // June has 30 days: ignored
    cal->LastDayOfMonth();
    cal->SetDate(cal->Date() + 366.75);
    EXPECT_EQ(order.join(' '),
              "OnChange 2024-06-15 OnChange 2024-06-30 OnChange 2025-07-01");

    // A rejected combination raises before anything is reported.
    cal->SetDay(30);
    QSignalSpy spy(cal.get(), &TMiniCal::dateChanged);
    EXPECT_ANY_THROW(cal->SetMonth(2)); // 30 February
    EXPECT_EQ(spy.count(), 0);
}

TEST(MiniCalSurface, DateChangedByClicks)
{
    std::unique_ptr<TMiniCal> cal(MakeCalendar());
    vektest::Render(cal.get()); // delivers the pending resize of the never-shown widget
    QSignalSpy spy(cal.get(), &TMiniCal::dateChanged);
    auto Click = [&cal](QPoint pos) { QTest::mouseClick(cal.get(), Qt::LeftButton, {}, pos); };
    // 1 May 2024 is a Wednesday, in column 3 of row 2: row 4, column 5 is the 17th.
    Click(CellCenter(*cal, 5, 4));
    Click(CellCenter(*cal, 2, 0)); // "<": April
    Click(CellCenter(*cal, 7, 0)); // ">>": 2025
    Click(CellCenter(*cal, 4, 0)); // the caption: nothing
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(0).at(0).toDate(), QDate(2024, 5, 17));
    EXPECT_EQ(spy.at(1).at(0).toDate(), QDate(2024, 4, 17));
    EXPECT_EQ(spy.at(2).at(0).toDate(), QDate(2025, 4, 17));
    Click(CellCenter(*cal, 0, 1)); // "#": today
    ASSERT_EQ(spy.count(), 4);
    EXPECT_EQ(spy.at(3).at(0).toDate(), QDate::currentDate());
}

TEST(MiniCalSurface, WeekAndDayColorSignals)
{
    std::unique_ptr<TMiniCal> cal(MakeCalendar());
    QSignalSpy firstDay(cal.get(), &TMiniCal::firstDayOfWeekChanged);
    QSignalSpy dayColors(cal.get(), &TMiniCal::dayColorsChanged);
    QSignalSpy dates(cal.get(), &TMiniCal::dateChanged);
    cal->SetFirstDayOfWeek(TMiniCal::dwSun);
    cal->SetFirstDayOfWeek(TMiniCal::dwSun); // unchanged: no signal
    ASSERT_TRUE(cal->setProperty("FirstDayOfWeek", TMiniCal::dwSat));
    cal->SetDayColors(TMiniCal::dwFri, clYellow);
    ASSERT_EQ(firstDay.count(), 2);
    EXPECT_EQ(firstDay.at(0).at(0).value<TMiniCal::TDayOfWeek>(), TMiniCal::dwSun);
    EXPECT_EQ(firstDay.at(1).at(0).value<TMiniCal::TDayOfWeek>(), TMiniCal::dwSat);
    ASSERT_EQ(dayColors.count(), 1);
    EXPECT_EQ(dayColors.at(0).at(0).value<TMiniCal::TDayOfWeek>(), TMiniCal::dwFri);
    EXPECT_EQ(dates.count(), 0);
}

TEST(MiniCalSurface, SizeHintsFollowFontAndNames)
{
    std::unique_ptr<TMiniCal> cal(MakeCalendar());
    EXPECT_EQ(cal->sizeHint(), QSize(300, 180)); // the default size fits the default font
    const QSize tight = cal->minimumSizeHint();
    EXPECT_LT(tight.width(), 300);
    EXPECT_LT(tight.height(), 180);

    cal->SetShowMonthShort(false); // "September 2000" is wider than three cells need
    const QSize longNames = cal->minimumSizeHint();
    EXPECT_GT(longNames.width(), tight.width());
    EXPECT_EQ(longNames.height(), tight.height());

    QFont large = cal->font();
    large.setPixelSize(24);
    cal->setFont(large);
    EXPECT_GT(cal->minimumSizeHint().width(), longNames.width());
    EXPECT_GE(cal->minimumSizeHint().height(), tight.height() + 8 * 12); // 8 taller rows
    EXPECT_GT(cal->sizeHint().width(), 300);
    EXPECT_GT(cal->sizeHint().height(), 180);
}

TEST(MiniCalSurface, EveryTextReadsOnItsCellInLightAndDarkPalettes)
{
    // Large bold digits, so that the strokes have fully inked pixels to measure.
    auto make = [] {
        auto* cal = MakeCalendar();
        QFont font = cal->font();
        font.setPixelSize(24);
        font.setBold(true);
        cal->setFont(font);
        cal->resize(640, 400);
        return cal;
    };
    for (const bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark palette" : "light palette");
        vektest::ScopedPalette palette(dark ? vektest::DarkPalette()
                                            : QApplication::style()->standardPalette());
        std::unique_ptr<TMiniCal> cal(make());
        QImage image = vektest::Render(cal.get());
        auto look = [&](int col, int row) {
            return LookOf(image, cal->CellRect(col, row).ToQRect());
        };
        const struct {
            const char* what;
            int col, row;
        } plain[] = {{"button <<", 1, 0}, {"weekday name", 1, 1}, {"week number", 0, 2},
                     {"Monday 6 May", 1, 3}, {"Saturday 11 May", 6, 3},
                     {"Ascension Day", 4, 3}};
        for (const auto& cell : plain) {
            SCOPED_TRACE(cell.what);
            const CellLook seen = look(cell.col, cell.row);
            EXPECT_GE(seen.contrast, 4.5);
            // Nothing stays light in a dark palette, nothing dark in a light one.
            EXPECT_EQ(qGray(seen.background) < 128, dark);
        }
        EXPECT_GE(look(3, 4).contrast, 3.0) << "the selected 15 May";
        // The line between two days follows the palette too.
        const TRect monday = cal->CellRect(1, 4);
        EXPECT_EQ(qGray(image.pixel(monday.Right, monday.Top + 2)) < 128, dark);

        cal->setDate(QDate(2024, 5, 1)); // selected and Labor Day
        image = vektest::Render(cal.get());
        EXPECT_GE(look(3, 2).contrast, 4.5) << "the selected holiday";
    }
}

TEST(MiniCalSurface, ColorsSetByTheProgramStayInADarkPalette)
{
    std::unique_ptr<TMiniCal> cal(MakeCalendar());
    cal->SetColorHolidayBg(0x9BD8F1);
    cal->SetColorHolidayFg(0x0000C0);
    vektest::ScopedPalette dark(vektest::DarkPalette());
    const QImage image = vektest::Render(cal.get());
    const TRect ascension = cal->CellRect(4, 3); // 9 May
    EXPECT_EQ(image.pixel(ascension.Left + 1, ascension.Top + 1), qRgb(0xF1, 0xD8, 0x9B));
    const TRect monday = cal->CellRect(1, 3);
    EXPECT_LT(qGray(image.pixel(monday.Left + 1, monday.Top + 1)), 128);
    cal->resetColorHolidayBg(); // back to the palette
    EXPECT_EQ(vektest::Render(cal.get()).pixel(ascension.Left + 1, ascension.Top + 1),
              QApplication::palette().color(QPalette::Midlight).rgb());
}

// ---- the thumbnail grid (laid out by thumbstest::Prepare at 300 x 400: two slides per
// row, pitch 136, slide 1's box at (10, 12)..(144, 146), slide 2's at (146, 12))

using thumbstest::Click;

TEST(ThumbnailsSurface, BehavesAsAQtWidget)
{
    // The default background is the palette's button face.
    vektest::ExpectQtSurface([] { return new TThumbnails; });
}

TEST(ThumbnailsSurface, SizeHintsFollowTheSlideBox)
{
    TThumbnails grid;
    EXPECT_EQ(grid.sizeHint(), QSize(260, 400));
    EXPECT_EQ(grid.minimumSizeHint(), QSize(10 + 134 + 10, 10 + 2 + 134 + 10));
    EXPECT_EQ(grid.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(grid.sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    grid.resize(400, 400);
    grid.SetSlideSize(300);
    grid.SetSlideMargin(10);
    EXPECT_EQ(grid.minimumSizeHint(), QSize(10 + 320 + 10, 10 + 2 + 320 + 10));
    EXPECT_EQ(grid.sizeHint(), QSize(340, 400));
}

TEST(ThumbnailsSurface, SelectionChangedByCode)
{
    TThumbnails grid;
    QSignalSpy spy(&grid, &TThumbnails::selectionChanged);
    grid.SetSlideSelected(30, true);
    grid.SetSlideSelected(30, true); // already selected
    grid.SetSlideSelected(500, true); // not a slide
    EXPECT_EQ(spy.count(), 1);
    grid.SetMax(40); // 30 stays
    EXPECT_EQ(spy.count(), 1);
    grid.SetMin(11); // the same bit now stands for slide 40
    EXPECT_EQ(spy.count(), 2);
    EXPECT_TRUE(grid.SlideSelected(40));
    grid.SetMax(39); // drops it
    EXPECT_EQ(spy.count(), 3);
    grid.ResetAllSelections(); // nothing left to deselect
    EXPECT_EQ(spy.count(), 3);
    grid.SetSlideSelected(20, true);
    grid.SetSlideSelectMode(TThumbnails::ssmMultiple); // clears it
    EXPECT_EQ(spy.count(), 5);
    EXPECT_EQ(grid.NumSlidesSelected(), 0);
}

TEST(ThumbnailsSurface, SelectionChangedByClicks)
{
    TThumbnails grid;
    thumbstest::Prepare(grid);
    QSignalSpy selection(&grid, &TThumbnails::selectionChanged);
    QSignalSpy clicks(&grid, &TThumbnails::imageClicked);
    Click(grid, QPoint(200, 50)); // slide 2
    Click(grid, QPoint(200, 60)); // slide 2 again: no change
    Click(grid, QPoint(145, 50)); // the gap: deselects
    EXPECT_EQ(selection.count(), 2);
    ASSERT_EQ(clicks.count(), 3);
    EXPECT_EQ(clicks.at(0), (QVariantList{200, 50, 2}));
    EXPECT_EQ(clicks.at(2), (QVariantList{145, 50, 0}));

    grid.SetSlideSelectMode(TThumbnails::ssmMultiple);
    selection.clear();
    Click(grid, QPoint(50, 50));                        // 1 on
    Click(grid, QPoint(200, 300), Qt::ShiftModifier);   // 1..6
    Click(grid, QPoint(200, 300), Qt::ShiftModifier);   // 1..6 again: no change
    Click(grid, QPoint(50, 50));                        // 1 off
    EXPECT_EQ(selection.count(), 3);
    EXPECT_EQ(grid.NumSlidesSelected(), 5);
}

TEST(ThumbnailsSurface, HoverAndDoubleClickSignals)
{
    TThumbnails grid;
    thumbstest::Prepare(grid);
    QSignalSpy focus(&grid, &TThumbnails::focusedSlideChanged);
    QSignalSpy doubleClicks(&grid, &TThumbnails::imageDoubleClicked);
    EXPECT_EQ(NotifySignal(grid, "FocusedSlide"),
              QMetaMethod::fromSignal(&TThumbnails::focusedSlideChanged));
    thumbstest::MoveMouse(grid, QPoint(50, 50));
    thumbstest::MoveMouse(grid, QPoint(60, 60)); // the same slide
    thumbstest::MoveMouse(grid, QPoint(200, 200));
    thumbstest::SendMouse(grid, QEvent::MouseButtonDblClick, QPoint(200, 200), Qt::LeftButton);
    ASSERT_EQ(focus.count(), 2);
    EXPECT_EQ(focus.at(0).at(0).toInt(), 1);
    EXPECT_EQ(focus.at(1).at(0).toInt(), 4);
    EXPECT_EQ(grid.property("FocusedSlide").toInt(), 4);
    ASSERT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(doubleClicks.at(0), (QVariantList{200, 200, 4}));

    // A disabled grid takes no mouse input: the hover ends with it.
    grid.setEnabled(false);
    ASSERT_EQ(focus.count(), 3);
    EXPECT_EQ(focus.at(2).at(0).toInt(), 0);
    EXPECT_EQ(grid.FocusedSlide(), 0);
}
