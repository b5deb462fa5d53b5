// TRepSpeedButton: the start delay and repeat interval, release and leaving, intervals
// changed while held, design mode, and the timer error.
#include <VEK_repsbut.h>

#include <frame/core/application.h>
#include <frame/core/timers.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

using namespace vek;

namespace {

// Exposes the tick so that the phases can be stepped without waiting.
struct Button : TRepSpeedButton {
    using TRepSpeedButton::DoTimer;
    int hooks = 0;
    void RepeatClickEvent() override { ++hooks; }
};

void Press(QWidget* w) { QTest::mousePress(w, Qt::LeftButton, {}, {10, 10}); }
void Release(QWidget* w, QPoint p = {10, 10}) { QTest::mouseRelease(w, Qt::LeftButton, {}, p); }

} // namespace

TEST(RepSpeedButton, RepeatsWhileHeld)
{
    TRepSpeedButton button;
    button.SetStartClickInterval(150);
    button.SetRepeatClickInterval(40);
    QElapsedTimer clock;
    std::vector<qint64> ticks;
    int clicks = 0;
    button.OnRepeatClick = [&](TObject* sender) {
        EXPECT_EQ(sender, &button);
        ticks.push_back(clock.elapsed());
    };
    button.OnClick = [&](TObject*) { ++clicks; };
    clock.start();
    Press(&button);
    QTest::qWait(100);
    EXPECT_TRUE(ticks.empty()); // still in the start delay
    QTest::qWait(300);
    Release(&button);
    ASSERT_GE(ticks.size(), 3u);
    EXPECT_GE(ticks[0], 145);
    EXPECT_GE(ticks[1] - ticks[0], 35);
    EXPECT_EQ(clicks, 1);
    const std::size_t count = ticks.size();
    QTest::qWait(150);
    EXPECT_EQ(ticks.size(), count); // the release stopped the timer
}

TEST(RepSpeedButton, ShortPressAndOtherButtonsDoNotRepeat)
{
    TRepSpeedButton button;
    button.SetStartClickInterval(60);
    int repeats = 0;
    button.OnRepeatClick = [&](TObject*) { ++repeats; };
    Press(&button);
    Release(&button);
    QTest::mousePress(&button, Qt::RightButton, {}, {10, 10});
    QTest::qWait(150);
    QTest::mouseRelease(&button, Qt::RightButton, {}, {10, 10});
    EXPECT_EQ(repeats, 0);
}

TEST(RepSpeedButton, LeavingStopsWithoutAClick)
{
    TRepSpeedButton button;
    button.SetStartClickInterval(30);
    button.SetRepeatClickInterval(20);
    int repeats = 0, clicks = 0;
    button.OnRepeatClick = [&](TObject*) { ++repeats; };
    button.OnClick = [&](TObject*) { ++clicks; };
    Press(&button);
    QTest::qWait(80);
    EXPECT_GT(repeats, 0);
    QMouseEvent away(QEvent::MouseMove, QPointF(60, 60), button.mapToGlobal(QPointF(60, 60)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &away);
    const int count = repeats;
    QTest::qWait(80);
    EXPECT_EQ(repeats, count);
    Release(&button); // back on the button, but the press was given up
    EXPECT_EQ(clicks, 0);
}

TEST(RepSpeedButton, PhasesAndSettings)
{
    Button button;
    button.SetRepeatClickInterval(5);
    EXPECT_EQ(button.RepeatClickInterval(), 10);
    button.SetStartClickInterval(-100);
    EXPECT_EQ(button.StartClickInterval(), 10);
    int repeats = 0;
    button.OnRepeatClick = [&](TObject*) { ++repeats; }; // not held: no timer
    QTest::qWait(40);
    EXPECT_EQ(repeats, 0);
    button.DoTimer();
    EXPECT_EQ(repeats, 1);
    EXPECT_EQ(button.hooks, 1);
}

TEST(RepSpeedButton, IntervalChangeWhileHeldRestartsAtOnce)
{
    TRepSpeedButton button;
    button.SetStartClickInterval(5000);
    int repeats = 0;
    button.OnRepeatClick = [&](TObject*) { ++repeats; };
    Press(&button);
    button.SetRepeatClickInterval(30); // straight into the repeat phase
    QTest::qWait(150);
    Release(&button);
    EXPECT_GE(repeats, 2);
}

TEST(RepSpeedButton, DesignModeAndTimerFailure)
{
    TRepSpeedButton button;
    button.setObjectName("Rep1");
    QStringList messages;
    Application()->OnException = [&](TObject*, const QString& message) { messages << message; };
    TTimerWindow::SetTimersExhausted(true);
    Press(&button); // raised inside the press: handed to the application's handler
    TTimerWindow::SetTimersExhausted(false);
    Release(&button);
    EXPECT_EQ(messages, QStringList{"Component \"Rep1\": no timer available"});
    button.SetDesigning(true);
    TTimerWindow::SetTimersExhausted(true);
    EXPECT_NO_THROW(button.SetRepeatClickInterval(99)); // the designer never starts it
    TTimerWindow::SetTimersExhausted(false);
    Application()->OnException = nullptr;
}
