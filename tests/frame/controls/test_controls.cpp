// The control base: back-buffer painting, input translation into the host's virtuals
// and events, and the component model.
#include <frame/core/application.h>
#include <frame/controls/controls.h>
#include <frame/core/errors.h>
#include <frame/controls/keys.h>

#include "pixels.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <stdexcept>
#include <utility>
#include <vector>

using namespace vek;

namespace {

// Records every virtual the base class calls, in order.
class ProbeControl : public TCustomControl {
public:
    explicit ProbeControl(QWidget* parent = nullptr) : TCustomControl(parent)
    {
        resize(40, 30);
        SetTabStop(true);
    }
    std::vector<std::string> calls;
    TShiftState lastShift;
    int paints = 0, creations = 0;
    TColor fill = clRed;
    bool invalidateOnCreate = false;

    using TControl::Invalidate;
    using TControl::SetGrayWhenDisabled;
    bool failNextPaint = false;
    void Paint() override
    {
        ++paints;
        if (std::exchange(failNextPaint, false))
            throw EVEKError("paint failed");
        Canvas()->Brush()->SetColor(fill);
        Canvas()->FillRect(ClientRect());
    }

protected:
    void CreateWnd() override
    {
        ++creations;
        if (invalidateOnCreate)
            Invalidate();
    }
    void MouseDown(TMouseButton b, TShiftState s, int x, int y) override
    {
        lastShift = s;
        calls.push_back("down" + std::to_string(b) + (s.testFlag(ssDouble) ? "d" : "") + "@" +
                        std::to_string(x) + "," + std::to_string(y));
        TCustomControl::MouseDown(b, s, x, y);
    }
    void MouseUp(TMouseButton b, TShiftState s, int, int) override
    {
        lastShift = s;
        calls.push_back("up" + std::to_string(b));
    }
    void Click() override
    {
        calls.push_back("click");
        TCustomControl::Click();
    }
    void DblClick() override { calls.push_back("dblclick"); }
    void KeyDown(int& key, TShiftState s) override
    {
        lastShift = s;
        calls.push_back("keydown" + std::to_string(key));
    }
    void KeyPress(QChar& key) override { calls.push_back("press" + std::to_string(key.unicode())); }
    bool DoMouseWheelDown(TShiftState, QPoint) override
    {
        calls.push_back("wheeldown");
        return true;
    }
    bool DoMouseWheelUp(TShiftState, QPoint) override
    {
        calls.push_back("wheelup");
        return true;
    }
};

} // namespace

TEST(ControlPainting, PaintDrawsIntoTheBackBufferAtOnce)
{
    ProbeControl control;
    control.Paint();
    EXPECT_EQ(control.Canvas()->Pixels(0, 0), clRed);
    EXPECT_EQ(control.Canvas()->Pixels(39, 29), clRed);
    EXPECT_EQ(control.Canvas()->Pixels(40, 29), 0xFFFFFFFFu);
}

TEST(ControlPainting, InvalidatePaintsOnTheNextUpdateOnly)
{
    ProbeControl control;
    control.Paint();
    const int before = control.paints;
    control.fill = clBlue;
    control.Invalidate();
    EXPECT_EQ(control.paints, before);
    control.Update();
    EXPECT_EQ(control.paints, before + 1);
    EXPECT_EQ(control.Canvas()->Pixels(5, 5), clBlue);
    control.Update(); // nothing pending any more
    EXPECT_EQ(control.paints, before + 1);
    control.Refresh();
    EXPECT_EQ(control.paints, before + 2);
}

// Many changes in a row ask Qt for one paint event; one that comes while the control is
// hidden is still painted when it shows.
TEST(ControlPainting, InvalidationsBeforeThePaintEventPaintOnce)
{
    ProbeControl control;
    control.Invalidate();
    control.fill = clBlue;
    control.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&control));
    QCoreApplication::processEvents();
    EXPECT_EQ(control.Canvas()->Pixels(5, 5), clBlue);
    const int before = control.paints;
    control.fill = clGreen;
    for (int i = 0; i < 1000; ++i)
        control.Invalidate();
    QCoreApplication::processEvents();
    EXPECT_EQ(control.paints, before + 1);
    control.fill = clYellow;
    control.Invalidate();
    QCoreApplication::processEvents();
    EXPECT_EQ(control.paints, before + 2);
    EXPECT_EQ(control.Canvas()->Pixels(5, 5), clYellow);
}

TEST(ControlPainting, AFailedPaintIsRepeatedByTheNextPaintEvent)
{
    ProbeControl control;
    control.fill = clBlue;
    control.failNextPaint = true;
    QStringList reported;
    Application()->OnException = [&](TObject*, const QString& message) { reported << message; };
    control.grab();
    Application()->OnException = nullptr;
    EXPECT_EQ(reported, QStringList{"paint failed"});
    // No invalidation in between: the half-drawn face is not what the next paint shows.
    control.grab();
    EXPECT_EQ(control.paints, 2);
    EXPECT_EQ(control.Canvas()->Pixels(5, 5), clBlue);
}

TEST(ControlPainting, GrabOfANeverShownControlCreatesAndPaintsIt)
{
    ProbeControl control;
    const QImage image = vektest::Render(&control);
    EXPECT_EQ(control.creations, 1);
    EXPECT_EQ(vektest::ColorAt(image, 20, 15), clRed);
    vektest::Render(&control);
    EXPECT_EQ(control.creations, 1);
}

// A control paints its first face once: neither the back buffer created on the way nor
// a window creation that invalidates may ask for a second Paint.
TEST(ControlPainting, FirstFaceIsPaintedOnce)
{
    ProbeControl grabbed;
    vektest::Render(&grabbed);
    EXPECT_EQ(grabbed.paints, 1) << "first grab";

    ProbeControl refreshed;
    refreshed.Refresh();
    EXPECT_EQ(refreshed.paints, 1) << "refresh before any paint event";
    vektest::Render(&refreshed);
    EXPECT_EQ(refreshed.paints, 1) << "grab after a refresh";

    ProbeControl invalidating;
    invalidating.invalidateOnCreate = true;
    invalidating.Refresh();
    vektest::Render(&invalidating);
    EXPECT_EQ(invalidating.paints, 1) << "window creation that invalidates";
}

TEST(ControlPainting, BufferFollowsTheSize)
{
    ProbeControl control;
    control.SetBounds(0, 0, 70, 12);
    control.Paint();
    EXPECT_EQ(control.Canvas()->Target()->size(), QSize(70, 12));
    EXPECT_EQ(control.Canvas()->Pixels(69, 11), clRed);
}

TEST(ControlState, VisibleIsTheControlsOwnFlag)
{
    QWidget parent;
    ProbeControl orphan;
    EXPECT_TRUE(orphan.Visible());
    orphan.SetVisible(true);
    EXPECT_FALSE(orphan.isWindow() && orphan.isVisible()); // never pops up a window
    auto* child = new ProbeControl(&parent);
    parent.show();
    child->SetVisible(false);
    EXPECT_FALSE(child->Visible());
    EXPECT_FALSE(child->isVisible());
    child->SetVisible(true);
    EXPECT_TRUE(child->isVisible());
}

TEST(ControlState, EnabledIsNotInheritedFromTheParent)
{
    QWidget parent;
    auto* child = new ProbeControl(&parent);
    parent.setEnabled(false);
    EXPECT_TRUE(child->Enabled());
    child->SetEnabled(false);
    EXPECT_FALSE(child->Enabled());
}

TEST(ControlState, HintIsTheToolTipShownOnlyWithShowHint)
{
    ProbeControl control;
    control.SetHint("Speed in km/h");
    EXPECT_EQ(control.toolTip(), "Speed in km/h");
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), QPoint(2, 2));
    QApplication::sendEvent(&control, &tip);
    EXPECT_FALSE(QToolTip::isVisible());
    control.SetShowHint(true);
    QApplication::sendEvent(&control, &tip);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Speed in km/h");
    QToolTip::hideText();
}

TEST(ControlState, GrayWhenDisabledShowsTheFaceInGray)
{
    ProbeControl control;
    control.SetGrayWhenDisabled(true);
    EXPECT_EQ(vektest::ColorAt(vektest::Render(&control), 5, 5), clRed);
    control.setEnabled(false);
    EXPECT_EQ(vektest::ColorAt(vektest::Render(&control), 5, 5), 0x575757u); // qGray: 255 * 11 / 32
}

TEST(ControlState, QtStateIsTheControlsState)
{
    QWidget parent;
    auto* control = new ProbeControl(&parent);
    parent.setFont(QFont("DejaVu Sans", 20));
    EXPECT_EQ(control->Font()->Size(), 20) << "an inherited font shows in Font()";
    control->setEnabled(false);
    EXPECT_FALSE(control->Enabled());
    control->SetEnabled(true);
    EXPECT_TRUE(control->isEnabled());
    const QMetaObject* meta = control->metaObject();
    for (const char* qtOwned : {"Enabled", "Visible", "Hint", "Font"})
        EXPECT_EQ(meta->indexOfProperty(qtOwned), -1) << qtOwned;
}

TEST(ControlState, FontChangesReachTheWidget)
{
    ProbeControl control;
    control.Font()->SetHeight(-20);
    EXPECT_EQ(control.font().pixelSize(), 20);
    control.Font()->SetStyle(fsBold);
    EXPECT_TRUE(control.font().bold());
}

TEST(ControlInput, ClickSequence)
{
    ProbeControl control;
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 6));
    EXPECT_EQ(control.calls, (std::vector<std::string>{"down0@5,6", "click", "up0"}));
}

TEST(ControlInput, ButtonsAndModifiersInTheShiftState)
{
    ProbeControl control;
    QTest::mousePress(&control, Qt::LeftButton, Qt::ShiftModifier, QPoint(1, 1));
    EXPECT_TRUE(control.lastShift.testFlag(ssLeft));
    EXPECT_TRUE(control.lastShift.testFlag(ssShift));
    QTest::mouseRelease(&control, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    EXPECT_FALSE(control.lastShift.testFlag(ssLeft));
    QTest::mouseClick(&control, Qt::RightButton, Qt::ControlModifier, QPoint(2, 2));
    EXPECT_EQ(control.calls.back(), "up1");
}

TEST(ControlInput, ReleaseOutsideIsNoClick)
{
    ProbeControl control;
    QTest::mousePress(&control, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&control, Qt::LeftButton, Qt::NoModifier, QPoint(100, 5));
    EXPECT_EQ(control.calls, (std::vector<std::string>{"down0@5,5", "up0"}));
}

TEST(ControlInput, DoubleClickGivesDblClickAndADoubleMouseDown)
{
    ProbeControl control;
    // A double click arrives as press, release, double-click press, release.
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    QTest::mouseDClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    QTest::mouseRelease(&control, Qt::LeftButton, Qt::NoModifier, QPoint(3, 4));
    EXPECT_EQ(control.calls, (std::vector<std::string>{"down0@3,4", "click", "up0", "dblclick",
                                                       "down0d@3,4", "up0"}));
}

TEST(ControlInput, KeysArriveAsVirtualKeysAndCharacters)
{
    ProbeControl control;
    QTest::keyClick(&control, Qt::Key_A);
    QTest::keyClick(&control, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&control, Qt::Key_Delete);
    QTest::keyClick(&control, Qt::Key_F5);
    QTest::keyClick(&control, Qt::Key_5, Qt::KeypadModifier);
    QTest::keyClick(&control, Qt::Key_Backspace);
    EXPECT_EQ(control.calls,
              (std::vector<std::string>{"keydown65", "press97", "keydown17", "keydown67", "press3",
                                        "keydown46", "keydown116", "keydown101", "press53",
                                        "keydown8", "press8"}));
    EXPECT_TRUE(control.lastShift == TShiftState());
}

TEST(ControlInput, WheelStepsOfOneNotchEach)
{
    ProbeControl control;
    QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&control, &down);
    QWheelEvent up(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 240), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&control, &up);
    EXPECT_EQ(control.calls, (std::vector<std::string>{"wheeldown", "wheelup", "wheelup"}));
}

TEST(ControlInput, ExceptionsInHandlersGoToTheApplication)
{
    ProbeControl control;
    QString reported;
    Application()->OnException = [&](TObject*, const QString& message) { reported = message; };
    control.OnClick = [](TObject*) { throw std::runtime_error("handler failed"); };
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    Application()->OnException = nullptr;
    EXPECT_EQ(reported, "handler failed");
}

TEST(ControlInput, EventsReachTheOnHandlers)
{
    ProbeControl control;
    int clicks = 0, moves = 0;
    TObject* sender = nullptr;
    control.OnClick = [&](TObject* s) {
        ++clicks;
        sender = s;
    };
    control.OnMouseMove = [&](TObject*, TShiftState, int x, int) { moves += x == 7; };
    QTest::mouseClick(&control, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QMouseEvent move(QEvent::MouseMove, QPointF(7, 3), QPointF(7, 3), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&control, &move);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, &control);
    EXPECT_EQ(moves, 1);
}

TEST(ComponentModel, DesigningIsInheritedFromTheOwner)
{
    QWidget form;
    form.setProperty(TComponentCore::DesigningProperty, true);
    ProbeControl designed(&form);
    EXPECT_TRUE(designed.ComponentState().testFlag(csDesigning));
    TComponent child(&designed);
    EXPECT_TRUE(child.ComponentState().testFlag(csDesigning));
    ProbeControl plain;
    EXPECT_FALSE(plain.ComponentState().testFlag(csDesigning));
}

TEST(ComponentModel, LoadingEndsWithLoaded)
{
    TComponent component;
    component.SetName("Reader");
    component.BeginLoading();
    EXPECT_TRUE(component.ComponentState().testFlag(csLoading));
    component.EndLoading();
    EXPECT_FALSE(component.ComponentState().testFlag(csLoading));
    EXPECT_EQ(component.Name(), "Reader");
}

TEST(ComponentModel, AssignBetweenUnrelatedClassesFailsWithTheirNames)
{
    ProbeControl control;
    TComponent component;
    try {
        control.Assign(&component);
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TComponent to a ProbeControl");
    }
    EXPECT_THROW(control.Assign(nullptr), EConvertError);
}
