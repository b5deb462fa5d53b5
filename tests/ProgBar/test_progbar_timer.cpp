// Automatic increments: start and repeat intervals, OnAutoInc, stopping, the designer,
// timer failures and exceptions raised during a tick.
#include "progbar_fixture.h"

#include <frame/core/application.h>
#include <frame/core/timers.h>

#include <QElapsedTimer>
#include <QTest>

#include <vector>

using namespace vek;
using namespace progbartest;

namespace {

// Milliseconds since start at each OnAutoInc.
struct TickLog {
    explicit TickLog(TProgBar& bar)
    {
        clock.start();
        bar.OnAutoInc = [this](TObject*) { ticks.push_back(clock.elapsed()); };
    }
    QElapsedTimer clock;
    std::vector<qint64> ticks;
};

} // namespace

TEST(ProgBarTimer, FirstTickAfterStartIntervalThenEveryRepeatInterval)
{
    TProgBar bar;
    TickLog log(bar);
    bar.SetAutoInc(true);
    log.clock.restart();
    QTRY_COMPARE_WITH_TIMEOUT(log.ticks.size(), size_t(2), 5000);
    bar.SetAutoInc(false);
    EXPECT_GE(log.ticks[0], 1490);
    EXPECT_LT(log.ticks[0], 2100);
    EXPECT_GE(log.ticks[1] - log.ticks[0], 690);
    EXPECT_LT(log.ticks[1] - log.ticks[0], 1300);
    EXPECT_EQ(bar.Value(), 12.0);
}

TEST(ProgBarTimer, EachTickAddsTheStepAndRepaints)
{
    TProgBar bar;
    Plain(bar);
    bar.SetColorBackGnd(clWhite);
    bar.SetValue(0);
    bar.SetAutoIncStep(25);
    bar.SetStartInterval(10);
    bar.SetRepeatInterval(10);
    int ticks = 0;
    bar.OnAutoInc = [&](TObject* sender) {
        EXPECT_EQ(sender, &bar);
        if (++ticks == 2)
            bar.SetAutoInc(false);
    };
    bar.SetAutoInc(true);
    QTRY_COMPARE_WITH_TIMEOUT(ticks, 2, 3000);
    QTest::qWait(50);
    EXPECT_EQ(ticks, 2) << "stopping ends the ticks";
    EXPECT_EQ(bar.Value(), 50.0);
    EXPECT_EQ(Pixel(bar, 149, 10), clBlue); // xe = 4 + 146
    EXPECT_EQ(Pixel(bar, 150, 10), clWhite);
}

TEST(ProgBarTimer, ValueKeepsGrowingPastMax)
{
    TProgBar bar;
    bar.SetValue(99);
    bar.SetStartInterval(10);
    bar.SetRepeatInterval(10);
    int ticks = 0;
    bar.OnAutoInc = [&](TObject*) { ++ticks; };
    bar.SetAutoInc(true);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 3000);
    bar.SetAutoInc(false);
    EXPECT_EQ(bar.Value(), 99.0 + ticks);
}

TEST(ProgBarTimer, AssigningOnAutoIncSkipsTheStartInterval)
{
    TProgBar bar;
    bar.SetStartInterval(60000);
    bar.SetRepeatInterval(10);
    bar.SetAutoInc(true);
    int ticks = 0;
    bar.OnAutoInc = [&](TObject*) { ++ticks; };
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 2000);
    bar.SetAutoInc(false);
}

TEST(ProgBarTimer, HandlerMayClearItselfDuringTheTick)
{
    TProgBar bar;
    bar.SetStartInterval(10);
    bar.SetRepeatInterval(10);
    int ticks = 0;
    QString kept = "kept alive";
    bar.OnAutoInc = [&, kept](TObject*) {
        ++ticks;
        bar.OnAutoInc = nullptr;
        EXPECT_EQ(kept, "kept alive"); // the running handler's captures are still there
    };
    bar.SetAutoInc(true);
    QTRY_VERIFY_WITH_TIMEOUT(bar.Value() >= 13.0, 2000);
    bar.SetAutoInc(false);
    EXPECT_EQ(ticks, 1);
}

TEST(ProgBarTimer, ChangingTheStartIntervalRestartsTheWait)
{
    TProgBar bar;
    bar.SetRepeatInterval(10);
    bar.SetStartInterval(60000);
    int ticks = 0;
    bar.OnAutoInc = [&](TObject*) { ++ticks; };
    bar.SetAutoInc(true);
    QTest::qWait(30);
    EXPECT_EQ(ticks, 0);
    bar.SetStartInterval(10);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 2000);
    bar.SetAutoInc(false);
}

TEST(ProgBarTimer, DesignedBarOnlyStoresTheSettings)
{
    TProgBar bar;
    bar.SetDesigning(true);
    bar.SetStartInterval(10);
    bar.SetRepeatInterval(10);
    bar.OnAutoInc = [](TObject*) {};
    bar.SetAutoInc(true);
    EXPECT_TRUE(bar.AutoInc());
    QTest::qWait(60);
    EXPECT_EQ(bar.Value(), 10.0);
}

TEST(ProgBarTimer, NoTimerRaisesAndLeavesAutoIncOff)
{
    TProgBar bar;
    bar.SetName("Progress1");
    TTimerWindow::SetTimersExhausted(true);
    try {
        bar.SetAutoInc(true);
        ADD_FAILURE() << "no exception";
    } catch (const EVEKProgBar& e) {
        EXPECT_EQ(e.Message(), "Component \"Progress1\": no timer available");
    }
    TTimerWindow::SetTimersExhausted(false);
    EXPECT_FALSE(bar.AutoInc());
    bar.SetStartInterval(10);
    bar.SetAutoInc(true); // a timer is available again
    QTRY_VERIFY_WITH_TIMEOUT(bar.Value() > 10.0, 2000);
    bar.SetAutoInc(false);
}

TEST(ProgBarTimer, ExceptionInATickGoesToTheApplication)
{
    TProgBar bar;
    bar.SetStartInterval(10);
    bar.SetRepeatInterval(10);
    QString reported;
    Application()->OnException = [&](TObject*, const QString& message) { reported = message; };
    bar.OnAutoInc = [&](TObject*) {
        bar.SetAutoInc(false);
        throw EVEKError("handler failed");
    };
    bar.SetAutoInc(true);
    QTRY_COMPARE_WITH_TIMEOUT(reported, QString("handler failed"), 2000);
    Application()->OnException = nullptr;
    EXPECT_EQ(bar.Value(), 11.0);
}
