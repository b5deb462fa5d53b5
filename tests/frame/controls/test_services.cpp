// Colors, timers, the clipboard and the screen cursor.
#include <frame/core/application.h>
#include <frame/canvas/colors.h>
#include <frame/core/errors.h>
#include <frame/core/memory.h>
#include <frame/core/timers.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QTest>

#include <limits>

using namespace vek;

TEST(Colors, SystemColorsFollowTheApplicationPalette)
{
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Button, QColor(0x30, 0x31, 0x32));
    dark.setColor(QPalette::Base, QColor(0x10, 0x11, 0x12));
    QApplication::setPalette(dark);
    EXPECT_EQ(ColorToRGB(clBtnFace), 0x323130u);
    EXPECT_EQ(ColorToRGB(clWindow), 0x121110u);
    QApplication::setPalette(saved);
    EXPECT_EQ(ColorToRGB(clBtnFace), FromQColor(saved.color(QPalette::Button)));
    EXPECT_EQ(ColorToRGB(clBtnShadow), FromQColor(saved.color(QPalette::Dark)));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), FromQColor(saved.color(QPalette::Light)));
}

TEST(Colors, PlainColorsPassThrough)
{
    EXPECT_EQ(ColorToRGB(0x00123456), 0x123456u);
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
    EXPECT_EQ(GetBValue(0x030201), 3);
}

TEST(Colors, ColorToStringUsesNamesOrHex)
{
    EXPECT_EQ(ColorToString(clRed), "clRed");
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(clWindowText), "clWindowText");
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(ColorToString(0x00ABCDEF), "$00ABCDEF");
    for (TColor c : {clRed, clMoneyGreen, clHighlight, TColor(0x00ABCDEF), clNone})
        EXPECT_EQ(StringToColor(ColorToString(c)), c);
    EXPECT_THROW(StringToColor("reddish"), EConvertError);
}

TEST(Timers, TicksCarryTheIdUntilKilled)
{
    TTimerWindow timer;
    int ticks = 0, lastId = 0;
    timer.OnTimer = [&](int id) {
        ++ticks;
        lastId = id;
    };
    ASSERT_TRUE(timer.SetTimer(1, 10));
    EXPECT_TRUE(timer.IsTimerActive(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
    EXPECT_EQ(lastId, 1);
    timer.KillTimer(1);
    EXPECT_FALSE(timer.IsTimerActive(1));
    const int stopped = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, stopped);
}

TEST(Timers, ExhaustedTimersFailToStart)
{
    TTimerWindow timer;
    TTimerWindow::SetTimersExhausted(true);
    EXPECT_FALSE(timer.SetTimer(1, 100));
    TTimerWindow::SetTimersExhausted(false);
    EXPECT_FALSE(timer.IsTimerActive(1));
    EXPECT_TRUE(timer.SetTimer(1, 100));
}

TEST(Timers, ExceptionsInTicksGoToTheApplication)
{
    TTimerWindow timer;
    QString reported;
    Application()->OnException = [&](TObject*, const QString& message) { reported = message; };
    timer.OnTimer = [&](int) {
        throw EVEKError(ComponentErrorText("Meter1", "no timer available"));
    };
    timer.SetTimer(1, 10);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !reported.isEmpty(); }, 2000));
    timer.KillTimer(1);
    Application()->OnException = nullptr;
    EXPECT_EQ(reported, "Component \"Meter1\": no timer available");
}

TEST(Services, StructuresBeyondTheMemoryAreRefusedBeforehand)
{
    EXPECT_TRUE(FitsInMemory(0));
    EXPECT_TRUE(FitsInMemory(1 << 20));
    EXPECT_FALSE(FitsInMemory(std::numeric_limits<qint64>::max() / 2));
    EXPECT_FALSE(FitsInMemory(-1));
}

TEST(Services, ClipboardText)
{
    Clipboard()->SetAsText("1.5\t2.5");
    EXPECT_EQ(Clipboard()->AsText(), "1.5\t2.5");
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
}

TEST(Services, HourglassCursorCoversTheApplication)
{
    Screen()->SetCursor(crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen()->SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
