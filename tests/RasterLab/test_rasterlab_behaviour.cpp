// Dot-matrix label behaviour: defaults, clamps, auto height and centre, frames,
// scrolling steps and the timer, and copying.
#include "rasterlab_fixture.h"

#include <frame/core/timers.h>

#include <QElapsedTimer>
#include <QTest>

using namespace vek;
using namespace rasterlabtest;
using vektest::ColorAt;

TEST(RasterLab, StartsWithDocumentedDefaults)
{
    Lab lab;
    EXPECT_EQ(lab.Width(), 400);
    EXPECT_EQ(lab.Height(), 68);
    EXPECT_EQ(lab.Text(), "Text");
    EXPECT_EQ(lab.ColorLabBakG(), clBlack);
    EXPECT_EQ(lab.ColorDotOn(), Green);
    EXPECT_EQ(lab.ColorDotOff(), DotOff);
    EXPECT_EQ(lab.DotSize(), 3);
    EXPECT_EQ(lab.DotSpacing(), 1);
    EXPECT_EQ(lab.FrameStyle(), fsLowered);
    EXPECT_EQ(lab.PosX(), 1);
    EXPECT_EQ(lab.PosY(), 1);
    EXPECT_TRUE(lab.Proportional());
    EXPECT_EQ(lab.ScrollMode(), TRasterLab::rdsmOff);
    EXPECT_EQ(lab.ScrollInterval(), 100);
    EXPECT_EQ(lab.ScrollIncrement(), 1);
    EXPECT_TRUE(lab.ScrollLoop());
    EXPECT_EQ(lab.CharBlockMode(), TRasterLab::rdbmOn);
    EXPECT_EQ(lab.Font()->Name(), "default");
    EXPECT_EQ(lab.Font()->Size(), 8);
    EXPECT_EQ(lab.CharMatrix().FontWidth, 7);
    EXPECT_FALSE(lab.ScrollTimerActive());
}

TEST(RasterLab, SettersClamp)
{
    Lab lab;
    lab.SetScrollInterval(5);
    EXPECT_EQ(lab.ScrollInterval(), 10);
    lab.SetScrollIncrement(-3);
    EXPECT_EQ(lab.ScrollIncrement(), 3);
    lab.SetScrollIncrement(0);
    EXPECT_EQ(lab.ScrollIncrement(), 1);
    lab.SetDotSpacing(7);
    EXPECT_EQ(lab.DotSpacing(), 3);
    lab.SetDotSpacing(-1);
    EXPECT_EQ(lab.DotSpacing(), 0);
    lab.SetDotSize(0);
    EXPECT_EQ(lab.DotSize(), 1);
    lab.SetDotSize(40);
    EXPECT_EQ(lab.DotSize(), 32);
}

TEST(RasterLab, AutoHeightFitsTheFontAndFrame)
{
    Lab lab;
    lab.SetAutoHeight(true);
    EXPECT_EQ(lab.Height(), 1 + 4 * 12);
    lab.SetFrameStyle(fsEmbossed);
    EXPECT_EQ(lab.Height(), 2 + 4 * 12);
    lab.SetFrameStyle(fsNone);
    lab.SetDotSize(2);
    EXPECT_EQ(lab.Height(), 3 * 12);
}

TEST(RasterLab, AutoCenterPlacesTheText)
{
    Lab lab;
    lab.SetAutoCenter(true);
    const int length = lab.CalcTextBitLength();
    EXPECT_EQ(length, 4 * 24); // T, e, x, t of 5 columns, each plus one blank
    EXPECT_EQ(lab.PosX(), (400 - length) / 2 + 1 + 1);
    lab.SetText("A");
    EXPECT_EQ(lab.PosX(), (400 - 32) / 2 + 2);
    lab.SetAutoCenter(false);
    EXPECT_EQ(lab.PosX(), 1);
}

TEST(RasterLab, FramesFollowTheLinePaths)
{
    Lab lab;
    lab.SetColorScheme(csFixedGrays);
    QImage face = lab.Face(); // lowered
    EXPECT_EQ(ColorAt(face, 0, 0), TColor(0x808080));
    EXPECT_EQ(ColorAt(face, 1, 1), TColor(clBlack));
    EXPECT_EQ(ColorAt(face, 1, 65), TColor(clBlack));
    EXPECT_EQ(ColorAt(face, 399, 67), TColor(0xFFFFFF));
    EXPECT_EQ(ColorAt(face, 398, 66), TColor(0x808080));
    lab.SetFrameStyle(fsRaised);
    face = lab.Face();
    EXPECT_EQ(ColorAt(face, 1, 1), TColor(0xFFFFFF));
    EXPECT_EQ(ColorAt(face, 399, 67), TColor(clBlack));
    lab.SetFrameStyle(fsSingle);
    face = lab.Face();
    EXPECT_EQ(ColorAt(face, 0, 0), TColor(0x808080));
    EXPECT_EQ(ColorAt(face, 399, 67), TColor(0x808080));
    lab.SetFrameStyle(fsEngraved);
    face = lab.Face();
    EXPECT_EQ(ColorAt(face, 0, 0), TColor(0x808080));
    EXPECT_EQ(ColorAt(face, 1, 1), TColor(0xFFFFFF));
    EXPECT_EQ(ColorAt(face, 399, 67), TColor(0xFFFFFF));
    lab.SetColorScheme(csSystemColors);
    face = lab.Face();
    EXPECT_EQ(ColorAt(face, 0, 0), ColorToRGB(clBtnShadow));
}

TEST(RasterLabScroll, RightStepsAndRestartsFromTheLeft)
{
    Lab lab;
    lab.SetScrollIncrement(150);
    lab.SetScrollMode(TRasterLab::rdsmRight);
    lab.Refresh();
    const int length = lab.TextBitLength();
    lab.Tick();
    EXPECT_EQ(lab.ScrollPosX(), 150);
    lab.Tick();
    EXPECT_EQ(lab.ScrollPosX(), 300);
    EXPECT_EQ(lab.restarts, 0);
    lab.Tick(); // 450 > 400
    EXPECT_EQ(lab.ScrollPosX(), -length);
    EXPECT_EQ(lab.restarts, 1);
    EXPECT_EQ(lab.ticks, 3);

    lab.SetScrollLoop(false);
    for (int i = 0; i < 5; ++i)
        lab.Tick();
    EXPECT_EQ(lab.ScrollPosX(), -length + 750);
    EXPECT_EQ(lab.restarts, 1);
}

TEST(RasterLabScroll, LeftDownAndUpMirrorTheRightStep)
{
    Lab lab;
    lab.SetScrollIncrement(40);
    lab.SetScrollMode(TRasterLab::rdsmLeft);
    lab.Refresh();
    const int length = lab.TextBitLength();
    int steps = 0;
    while (lab.restarts == 0 && steps < 100) {
        lab.Tick();
        ++steps;
    }
    EXPECT_EQ(steps, length / 40 + 1);
    EXPECT_EQ(lab.ScrollPosX(), 400);

    lab.SetScrollMode(TRasterLab::rdsmDown);
    EXPECT_EQ(lab.ScrollPosX(), 400) << "switching directions keeps the offsets";
    lab.SetScrollMode(TRasterLab::rdsmOff);
    EXPECT_EQ(lab.ScrollPosX(), 0);
    lab.SetScrollIncrement(30);
    lab.SetScrollMode(TRasterLab::rdsmDown);
    lab.Tick();
    lab.Tick();
    EXPECT_EQ(lab.ScrollPosY(), 60);
    lab.Tick(); // 90 > 68
    EXPECT_EQ(lab.ScrollPosY(), -4 * 12);
}

TEST(RasterLabScroll, UpRestartsFromTheBottom)
{
    Lab lab;
    lab.SetScrollIncrement(20);
    lab.SetScrollMode(TRasterLab::rdsmUp);
    lab.Tick();
    lab.Tick();
    EXPECT_EQ(lab.ScrollPosY(), -40);
    lab.Tick(); // -60 < -48, the text height
    EXPECT_EQ(lab.ScrollPosY(), 68);
    EXPECT_EQ(lab.restarts, 1);
}

TEST(RasterLabScroll, ScrolledTextIsPaintedAtTheOffset)
{
    Lab lab;
    Plain(lab);
    lab.SetText("A");
    lab.SetScrollIncrement(8);
    lab.SetScrollMode(TRasterLab::rdsmRight);
    lab.Tick();
    const QImage face = lab.Face();
    EXPECT_EQ(ColorAt(face, 1 + 8 + 12, 5), Green);
    EXPECT_NE(ColorAt(face, 1 + 12, 5), Green);
}

TEST(RasterLabScroll, TimerRunsAndStops)
{
    Lab lab;
    lab.SetScrollInterval(10);
    lab.SetScrollMode(TRasterLab::rdsmRight);
    EXPECT_TRUE(lab.ScrollTimerActive());
    QElapsedTimer clock;
    clock.start();
    while (lab.ticks < 3 && clock.elapsed() < 5000)
        QTest::qWait(5);
    EXPECT_GE(lab.ticks, 3);
    EXPECT_EQ(lab.ScrollPosX(), lab.ticks);
    lab.SetScrollMode(TRasterLab::rdsmOff);
    EXPECT_FALSE(lab.ScrollTimerActive());
    EXPECT_EQ(lab.ScrollPosX(), 0);
    const int ticks = lab.ticks;
    QTest::qWait(40);
    EXPECT_EQ(lab.ticks, ticks);
}

TEST(RasterLabScroll, NoTimerWhileDesigning)
{
    Lab lab;
    lab.SetDesigning(true);
    lab.SetScrollMode(TRasterLab::rdsmLeft);
    EXPECT_FALSE(lab.ScrollTimerActive());
}

TEST(RasterLabScroll, MissingTimerRaisesTheUnitError)
{
    Lab lab;
    lab.SetName("Banner");
    TTimerWindow::SetTimersExhausted(true);
    try {
        lab.SetScrollMode(TRasterLab::rdsmRight);
        ADD_FAILURE() << "no exception";
    } catch (const EVEKRasterLabError& e) {
        EXPECT_EQ(e.Message(), "Component \"Banner\": no timer available");
    }
    TTimerWindow::SetTimersExhausted(false);
    EXPECT_FALSE(lab.ScrollTimerActive());
    lab.SetScrollInterval(20); // updating the timer again succeeds now
    lab.SetScrollMode(TRasterLab::rdsmOff);
    lab.SetScrollMode(TRasterLab::rdsmRight);
    EXPECT_TRUE(lab.ScrollTimerActive());
}

TEST(RasterLab, AssignCopiesTextColorsAndFrame)
{
    Lab source;
    source.SetText("Copy");
    source.SetColorLabBakG(0x102030);
    source.SetColorDotOn(0x00FFFF);
    source.SetColorDotOff(0x111111);
    source.SetFrameStyle(fsSingle);
    source.SetColorScheme(csSystemColors);
    source.SetDotSize(2);
    Lab copy;
    copy.Assign(&source);
    EXPECT_EQ(copy.Text(), "Copy");
    EXPECT_EQ(copy.ColorLabBakG(), TColor(0x102030));
    EXPECT_EQ(copy.ColorDotOn(), TColor(0x00FFFF));
    EXPECT_EQ(copy.ColorDotOff(), DotOff);
    EXPECT_EQ(copy.FrameStyle(), fsSingle);
    EXPECT_EQ(copy.ColorScheme(), csSystemColors);
    EXPECT_EQ(copy.DotSize(), 3);
}
