// Mouse and timer behaviour of the custom-drawn numeric field: caret placement and
// selection, gauge clicks and drags, spin buttons with and without pivots, OnChange
// timing and the blinking caret.
#include "numio2_fixture.h"

#include <QElapsedTimer>
#include <QMouseEvent>

using namespace vek;
using namespace numio2test;

namespace {

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

void Press(QWidget* w, QPoint at) { Send(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
void Drag(QWidget* w, QPoint at) { Send(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
void Release(QWidget* w, QPoint at) { Send(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
void Click(QWidget* w, QPoint at)
{
    Press(w, at);
    Release(w, at);
}

struct GaugeField {
    TNumIO2 field;
    int changes = 0;
    std::vector<double> dragged;
    GaugeField()
    {
        field.SetGaugeVisible(true);
        field.SetRangeHigh(100);
        field.OnChange = [this](TObject*) { ++changes; };
        field.OnGaugeChange = [this](TObject*, TShiftState shift, double v) {
            EXPECT_TRUE(shift.testFlag(ssLeft));
            dragged.push_back(v);
        };
    }
};

// Spin button centres with the defaults: x0 = 118, buttons 118..136, halves at 14.
const QPoint UpButton(127, 7);
const QPoint DownButton(127, 21);

} // namespace

TEST(NumIO2Mouse, ClickPlacesTheCaretAndDragSelects)
{
    TNumIO2 field;
    field.SetText(QStringLiteral("12.34"));
    Press(&field, QPoint(field.CharPosToXCoords(2), 14));
    EXPECT_EQ(field.CaretPos(), 2);
    Drag(&field, QPoint(field.CharPosToXCoords(5) + 1, 14));
    EXPECT_EQ(field.SelBegin(), 2);
    EXPECT_EQ(field.SelEnd(), 5);
    Drag(&field, QPoint(field.CharPosToXCoords(0), 14)); // back past the press point
    EXPECT_EQ(field.SelBegin(), 0);
    EXPECT_EQ(field.SelEnd(), 2);
    Release(&field, QPoint(0, 14));
    Send(&field, QEvent::MouseButtonPress, QPoint(field.CharPosToXCoords(4), 14),
         Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(field.CaretPos(), 2); // the right button leaves the text alone
}

TEST(NumIO2Mouse, MouseAreaCode)
{
    TNumIO2 field;
    Send(&field, QEvent::MouseMove, QPoint(35, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(field.MouseAreaCode(), 0);
    Send(&field, QEvent::MouseMove, QPoint(36, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(field.MouseAreaCode(), 1);
    Send(&field, QEvent::MouseMove, QPoint(116, 5), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(field.MouseAreaCode(), 2);
}

TEST(NumIO2Gauge, ClickSetsTheValueAndChangesAtRelease)
{
    GaugeField g;
    Press(&g.field, QPoint(35 + 41, 22)); // the middle of the 82-pixel gauge
    EXPECT_EQ(g.field.Value(), 50.0);
    EXPECT_EQ(g.changes, 0);
    Release(&g.field, QPoint(35 + 41, 22));
    EXPECT_EQ(g.changes, 1);
    Click(&g.field, QPoint(35, 22)); // the left margin gives RangeLow
    EXPECT_EQ(g.field.Value(), 0.0);
    Click(&g.field, QPoint(34, 22)); // left of the gauge: nothing
    Click(&g.field, QPoint(60, 15)); // above the strip, in the text: nothing
    EXPECT_EQ(g.changes, 2);
    Click(&g.field, QPoint(35 + 82, 17)); // the strip starts below row H - G = 16
    EXPECT_EQ(g.field.Value(), 100.0);
}

TEST(NumIO2Gauge, DragClampsAndReportsEveryStep)
{
    GaugeField g;
    Press(&g.field, QPoint(60, 22));
    Drag(&g.field, QPoint(35 + 82, 22));
    Drag(&g.field, QPoint(34, 22)); // one pixel left of the gauge is still taken
    Drag(&g.field, QPoint(20, 22)); // further out is not
    ASSERT_EQ(g.dragged.size(), 2u);
    EXPECT_EQ(g.dragged[0], 100.0);
    EXPECT_EQ(g.dragged[1], 0.0);
    EXPECT_EQ(g.field.Value(), 0.0);
    EXPECT_EQ(g.changes, 0);
    Release(&g.field, QPoint(20, 22));
    EXPECT_EQ(g.changes, 1);
}

TEST(NumIO2Gauge, DragFromTheTextDoesNotMoveTheValue)
{
    GaugeField g;
    g.field.SetValue(10);
    Press(&g.field, QPoint(60, 8));
    Drag(&g.field, QPoint(90, 22));
    EXPECT_EQ(g.field.Value(), 10.0);
    EXPECT_TRUE(g.dragged.empty());
}

TEST(NumIO2Gauge, ClicksSnapToPivots)
{
    GaugeField g;
    g.field.ButtonPivots = {10, 20, 50, 120};
    Click(&g.field, QPoint(35 + 28, 22)); // 34.1: nearest pivot 20
    EXPECT_EQ(g.field.Value(), 20.0);
    Click(&g.field, QPoint(35 + 80, 22)); // 97.6 snaps to 120, clamped to 100
    EXPECT_EQ(g.field.Value(), 100.0);
    g.field.SetRangeHigh(82); // one unit per pixel
    g.field.ButtonPivots = {10, 30};
    Click(&g.field, QPoint(35 + 20, 22)); // 20: a tie goes to the first pivot
    EXPECT_EQ(g.field.Value(), 10.0);
}

TEST(NumIO2Spin, StepsWithinTheRange)
{
    TNumIO2 field;
    field.SetButVisible(true);
    field.SetRangeHigh(10);
    field.SetValue(9.5);
    int changes = 0;
    field.OnChange = [&](TObject*) { ++changes; };
    Click(&field, UpButton);
    EXPECT_EQ(field.Value(), 10.0);
    EXPECT_EQ(changes, 1); // at once, not deferred to the release
    Click(&field, UpButton);
    EXPECT_EQ(field.Value(), 10.0);
    field.SetButIncrem(4);
    Click(&field, DownButton);
    EXPECT_EQ(field.Value(), 6.0);
    Click(&field, DownButton);
    Click(&field, DownButton);
    EXPECT_EQ(field.Value(), 0.0);
    Click(&field, QPoint(118, 7)); // on the outline: no step
    EXPECT_EQ(changes, 5);
}

TEST(NumIO2Spin, PivotsStepFromPivotToPivot)
{
    TNumIO2 field;
    field.SetButVisible(true);
    field.ButtonPivots = {1, 2, 5, 10};
    field.SetValue(2);
    Click(&field, UpButton);
    EXPECT_EQ(field.Value(), 5.0);
    field.SetValue(2);
    Click(&field, DownButton);
    EXPECT_EQ(field.Value(), 1.0);
    field.SetValue(3); // nearest pivot 2
    Click(&field, UpButton);
    EXPECT_EQ(field.Value(), 5.0);
    field.SetValue(3);
    Click(&field, DownButton);
    EXPECT_EQ(field.Value(), 2.0);
    field.SetValue(10);
    Click(&field, UpButton);
    EXPECT_EQ(field.Value(), 10.0);
    field.SetRangeHigh(3); // pivots are not limited to the range
    Click(&field, UpButton);
    EXPECT_EQ(field.Value(), 10.0);
}

TEST(NumIO2Spin, ReadOnlyFieldsStillSpinAndTakeGaugeClicks)
{
    TNumIO2 field;
    field.SetButVisible(true);
    field.SetGaugeVisible(true);
    field.SetHeight(40);
    field.SetReadOnly(true);
    Click(&field, UpButton);
    EXPECT_EQ(field.Value(), 1.0);
    Click(&field, QPoint(35 + 82, 35));
    EXPECT_EQ(field.Value(), 1000.0);
}

TEST(NumIO2Caret, BlinksWhileFocusedAndStopsWhenFocusIsLost)
{
    Window window;
    TNumIO2* field = window.Add(10);
    TNumIO2* other = window.Add(50);
    field->SetText(QStringLiteral("1"));
    ASSERT_TRUE(window.Activate());
    QElapsedTimer clock;
    clock.start();
    field->SetFocus();
    const int x = field->CharPosToXCoords(0) - 1;
    const auto caretShown = [&] {
        return vektest::ColorAt(*field->Canvas()->Target(), x, 10) == clBlack;
    };
    EXPECT_TRUE(caretShown());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !caretShown(); }, 2000));
    EXPECT_GE(clock.elapsed(), 450); // half a second per phase
    EXPECT_TRUE(QTest::qWaitFor(caretShown, 2000));
    other->SetFocus();
    EXPECT_FALSE(caretShown());
    QTest::qWait(600);
    EXPECT_FALSE(caretShown());

    field->SetFocus();
    field->SetReadOnly(true);
    EXPECT_FALSE(caretShown());
    QTest::qWait(600);
    EXPECT_FALSE(caretShown());
    field->SetReadOnly(false);
    EXPECT_TRUE(caretShown());
}
