// Keyboard operation of the mini calendar and the thumbnail grid.
#include "keyboard_fixture.h"

#include <VEK_MiniCal.h>
#include <VEK_Thumbnails.h>

#include <frame/canvas/colors.h>
#include <frame/runtime/rtl.h>

#include <QSignalSpy>

using namespace vek;
using keytest::KeyboardWindow;

namespace {

QDate Selected(const TMiniCal& cal) { return cal.qDate(); }

} // namespace

TEST(KeyboardMiniCal, KeysStepByDayWeekMonthAndYearThroughOnChange)
{
    KeyboardWindow<TMiniCal> w;
    w.control->setDate(QDate(2024, 1, 31));
    int changes = 0;
    w.control->OnChange = [&](TObject*) { ++changes; };
    QSignalSpy dates(w.control, &TMiniCal::dateChanged);
    w.Show();
    ASSERT_TRUE(w.TabReaches());

    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QDate expected;
    } steps[] = {
        {Qt::Key_Right, Qt::NoModifier, QDate(2024, 2, 1)},  // into the next month
        {Qt::Key_Left, Qt::NoModifier, QDate(2024, 1, 31)},
        {Qt::Key_Down, Qt::NoModifier, QDate(2024, 2, 7)},
        {Qt::Key_Up, Qt::NoModifier, QDate(2024, 1, 31)},
        {Qt::Key_PageDown, Qt::NoModifier, QDate(2024, 2, 29)}, // the month's last day
        {Qt::Key_PageDown, Qt::ControlModifier, QDate(2025, 2, 28)},
        {Qt::Key_PageUp, Qt::NoModifier, QDate(2025, 1, 28)},
        {Qt::Key_PageUp, Qt::ControlModifier, QDate(2024, 1, 28)},
        {Qt::Key_End, Qt::NoModifier, QDate(2024, 1, 31)},
        {Qt::Key_Home, Qt::NoModifier, QDate(2024, 1, 1)},
    };
    for (const auto& step : steps) {
        // A year step from 29 February reports the 28th first, as the ">>" button does.
        const int before = changes;
        w.Key(step.key, step.modifiers);
        EXPECT_EQ(Selected(*w.control), step.expected) << int(step.key);
        EXPECT_GT(changes, before);
    }
    EXPECT_EQ(dates.count(), changes);
    EXPECT_TRUE(w.control->hasFocus()) << "the arrows stay in the calendar";
}

TEST(KeyboardMiniCal, StepsDropTheTimeOfDayAndStopAtTheEndsOfTheCalendar)
{
    KeyboardWindow<TMiniCal> w;
    w.Show();
    ASSERT_TRUE(w.TabReaches());
    w.control->SetDate(EncodeDate(2024, 3, 10) + 0.75);
    w.Key(Qt::Key_Right);
    EXPECT_EQ(w.control->Date(), EncodeDate(2024, 3, 11));

    int changes = 0;
    w.control->OnChange = [&](TObject*) { ++changes; };
    // Every step towards the edge the date stands on is ignored, without an error.
    auto stepsOverTheEdge = [&](QDate edge, Qt::Key day, Qt::Key week, Qt::Key page) {
        w.control->setDate(edge);
        changes = 0;
        for (Qt::Key key : {day, week, page})
            w.Key(key);
        w.Key(page, Qt::ControlModifier);
        EXPECT_EQ(Selected(*w.control), edge);
        EXPECT_EQ(changes, 0);
    };
    stepsOverTheEdge(QDate(9999, 12, 31), Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown);
    stepsOverTheEdge(QDate(1, 1, 1), Qt::Key_Left, Qt::Key_Up, Qt::Key_PageUp);
}

TEST(KeyboardMiniCal, TheSelectedDayIsOutlinedWhileTheCalendarHasTheFocus)
{
    KeyboardWindow<TMiniCal> w;
    constexpr TColor Marker = 0x0000FF; // red, found nowhere else on the calendar
    w.control->SetColorSelectedFg(Marker);
    w.control->SetMarkToday(false);
    w.control->setDate(QDate(2024, 5, 15));
    w.Show();
    const int unfocused = keytest::CountColor(w.Face(), qRgb(255, 0, 0));
    ASSERT_TRUE(w.TabReaches());
    EXPECT_GT(keytest::CountColor(w.Face(), qRgb(255, 0, 0)), unfocused + 20);
    w.before->setFocus();
    EXPECT_EQ(keytest::CountColor(w.Face(), qRgb(255, 0, 0)), unfocused);
}

// 300 x 400 with the default slides: two per row, two whole rows in view.
class KeyboardThumbnails : public ::testing::Test {
protected:
    void SetUp() override
    {
        w.control->setFixedSize(300, 400);
        w.control->SetColorBackGnd(0x404040);
        w.Show();
        ASSERT_TRUE(w.TabReaches());
    }
    int Focused() const { return w.control->FocusedSlide(); }

    KeyboardWindow<TThumbnails> w;
};

TEST_F(KeyboardThumbnails, ArrowsPagesHomeAndEndMoveTheFocusedSlideIntoView)
{
    QSignalSpy focus(w.control, &TThumbnails::focusedSlideChanged);
    w.Key(Qt::Key_Right);
    EXPECT_EQ(Focused(), 2) << "from the first slide in view";
    EXPECT_EQ(focus.count(), 1);
    w.Key(Qt::Key_Down);
    EXPECT_EQ(Focused(), 4);
    EXPECT_EQ(w.control->FirstThumbIdx(), 1.0) << "still in view";
    w.Key(Qt::Key_Down);
    EXPECT_EQ(Focused(), 6);
    EXPECT_EQ(w.control->FirstThumbIdx(), 3.0) << "its row comes in at the bottom";
    w.Key(Qt::Key_PageDown);
    EXPECT_EQ(Focused(), 10);
    w.Key(Qt::Key_End);
    EXPECT_EQ(Focused(), 100);
    EXPECT_EQ(w.control->FirstThumbIdx(), 97.0);
    w.Key(Qt::Key_Right);
    EXPECT_EQ(Focused(), 100) << "the last slide stays";
    w.Key(Qt::Key_PageUp);
    EXPECT_EQ(Focused(), 96);
    EXPECT_EQ(w.control->FirstThumbIdx(), 95.0) << "its row comes in at the top";
    w.Key(Qt::Key_Home);
    EXPECT_EQ(Focused(), 1);
    EXPECT_EQ(w.control->FirstThumbIdx(), 1.0);
}

TEST_F(KeyboardThumbnails, SingleSelectionFollowsMultipleTogglesAndExtends)
{
    QSignalSpy selection(w.control, &TThumbnails::selectionChanged);
    w.Key(Qt::Key_Right);
    EXPECT_TRUE(w.control->SlideSelected(2));
    w.Key(Qt::Key_Right);
    EXPECT_TRUE(w.control->SlideSelected(3));
    EXPECT_EQ(w.control->NumSlidesSelected(), 1);
    EXPECT_EQ(selection.count(), 2);

    w.control->SetSlideSelectMode(TThumbnails::ssmMultiple);
    int clicked = 0;
    w.control->OnImageClick = [&](TObject*, int, int, int n) { clicked = n; };
    w.Key(Qt::Key_Space);
    EXPECT_TRUE(w.control->SlideSelected(3)) << "Space toggles";
    EXPECT_EQ(clicked, 3) << "as a click on the slide";
    w.Key(Qt::Key_Right);
    EXPECT_EQ(w.control->NumSlidesSelected(), 1) << "a plain move only moves";
    w.Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Focused(), 6);
    EXPECT_EQ(w.control->NumSlidesSelected(), 4) << "3 to 6, from the slide last clicked";
    w.Key(Qt::Key_Space);
    EXPECT_FALSE(w.control->SlideSelected(6));
}

TEST_F(KeyboardThumbnails, EnterIsTheDoubleClickOnTheFocusedSlide)
{
    int doubleClicked = 0, x = 0, y = 0;
    w.control->OnImageDblClick = [&](TObject*, int X, int Y, int n) {
        doubleClicked = n;
        x = X;
        y = Y;
    };
    w.Key(Qt::Key_Down);
    w.Key(Qt::Key_Return);
    EXPECT_EQ(doubleClicked, 3);
    EXPECT_EQ(w.control->CalcSlideIndex(x, y), 3) << "reported at the slide's place";
}

TEST_F(KeyboardThumbnails, TheFocusIsOutlinedInTheBandAndTheKeysOutlineStaysWhenTheMouseLeaves)
{
    const QRgb highlight = QApplication::palette().color(QPalette::Highlight).rgb();
    QImage face = w.Face();
    EXPECT_EQ(face.pixel(4, 4) & 0xFFFFFF, highlight & 0xFFFFFF);
    EXPECT_EQ(face.pixel(4, 200) & 0xFFFFFF, highlight & 0xFFFFFF);
    EXPECT_NE(face.pixel(5, 4) & 0xFFFFFF, highlight & 0xFFFFFF) << "dotted";
    w.Key(Qt::Key_Right);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.control, &leave);
    EXPECT_EQ(Focused(), 2);
    w.before->setFocus();
    EXPECT_EQ(Focused(), 0) << "the outline goes with the focus";
    EXPECT_EQ(w.Face().pixel(4, 4) & 0xFFFFFF, 0x404040u);
}
