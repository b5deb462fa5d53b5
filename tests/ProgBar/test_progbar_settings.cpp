// Settings of the bar: initial values, setter corrections and repaint rules, the
// gradient table, Assign and the visibility rule of Paint.
#include "progbar_fixture.h"

#include "scoped_palette.h"

#include <frame/canvas/bitmap.h>
#include <frame/core/errors.h>

#include <QApplication>
#include <QDir>
#include <QFile>

using namespace vek;
using namespace progbartest;

TEST(ProgBarSettings, InitialValues)
{
    TProgBar bar;
    EXPECT_FALSE(bar.AutoInc());
    EXPECT_EQ(bar.AutoIncStep(), 1.0);
    EXPECT_TRUE(bar.BackGroundImg().isEmpty());
    EXPECT_EQ(bar.ColorBackGnd(), clSilver);
    EXPECT_EQ(bar.ColorGrid(), clBlack);
    EXPECT_EQ(bar.ColorMapMode(), TProgBar::cgmStretch);
    EXPECT_EQ(bar.ColorMargin(), clSilver);
    EXPECT_EQ(bar.ColorMax(), clRed);
    EXPECT_EQ(bar.ColorMin(), clBlue);
    EXPECT_EQ(bar.ColorScheme(), csFixedGrays);
    EXPECT_EQ(bar.Direction(), dirRight);
    EXPECT_EQ(bar.FrameStyleInner(), fsLowered);
    EXPECT_EQ(bar.FrameStyleOuter(), fsRaised);
    EXPECT_EQ(bar.GridDist(), 0);
    EXPECT_EQ(bar.MarginBottom(), 4);
    EXPECT_EQ(bar.MarginLeft(), 4);
    EXPECT_EQ(bar.MarginRight(), 4);
    EXPECT_EQ(bar.MarginTop(), 4);
    EXPECT_EQ(bar.Max(), 100.0);
    EXPECT_EQ(bar.Min(), 0.0);
    EXPECT_EQ(bar.RepeatInterval(), 700);
    EXPECT_FALSE(bar.ShowColorGradient());
    EXPECT_EQ(bar.StartInterval(), 1500);
    EXPECT_EQ(bar.TextAlignment(), taCenter);
    EXPECT_EQ(bar.TextAngle(), 0);
    EXPECT_EQ(bar.TextDecPlaces(), 0);
    EXPECT_EQ(bar.TextPosX(), 14);
    EXPECT_EQ(bar.TextPosY(), 14);
    EXPECT_TRUE(bar.TextVisible());
    EXPECT_EQ(bar.Value(), 10.0);
}

TEST(ProgBarSettings, PropertiesAreReachableByName)
{
    TProgBar bar;
    EXPECT_TRUE(bar.setProperty("ColorMapMode", QVariant::fromValue(TProgBar::cgmMove)));
    EXPECT_EQ(bar.ColorMapMode(), TProgBar::cgmMove);
    EXPECT_TRUE(bar.setProperty("Value", 55.5));
    EXPECT_EQ(bar.Value(), 55.5);
    EXPECT_TRUE(bar.setProperty("Direction", QVariant::fromValue(dirUp)));
    EXPECT_EQ(bar.Direction(), dirUp);
    EXPECT_EQ(bar.property("ColorMax").value<QColor>(), ToQColor(clRed));
}

TEST(ProgBarSettings, OutOfRangeSettingsAreCorrected)
{
    TProgBar bar;
    bar.SetTextDecPlaces(-5);
    EXPECT_EQ(bar.TextDecPlaces(), -2);
    bar.SetTextDecPlaces(11);
    EXPECT_EQ(bar.TextDecPlaces(), 10);
    bar.SetTextAngle(400);
    EXPECT_EQ(bar.TextAngle(), 360);
    bar.SetTextAngle(-1);
    EXPECT_EQ(bar.TextAngle(), 0);
    bar.SetTextPosX(-3);
    EXPECT_EQ(bar.TextPosX(), 0);
    bar.SetTextPosX(301);
    EXPECT_EQ(bar.TextPosX(), 300);
    bar.SetTextPosY(40);
    EXPECT_EQ(bar.TextPosY(), 28);
    bar.SetRepeatInterval(3);
    EXPECT_EQ(bar.RepeatInterval(), 10);
    bar.SetStartInterval(-100);
    EXPECT_EQ(bar.StartInterval(), 10);
    bar.SetAutoIncStep(2.5);
    bar.SetAutoIncStep(0);
    EXPECT_EQ(bar.AutoIncStep(), 2.5);
    bar.SetAutoIncStep(-1);
    EXPECT_EQ(bar.AutoIncStep(), -1.0);
}

TEST(ProgBarSettings, SetRangeOrdersTheEnds)
{
    TProgBar bar;
    bar.SetRange(5, 1);
    EXPECT_EQ(bar.Min(), 1.0);
    EXPECT_EQ(bar.Max(), 5.0);
    bar.SetRange(-2, 8);
    EXPECT_EQ(bar.Min(), -2.0);
    EXPECT_EQ(bar.Max(), 8.0);
    bar.SetMin(20); // the single ends are stored as given
    EXPECT_EQ(bar.Min(), 20.0);
    EXPECT_EQ(bar.Max(), 8.0);
}

TEST(ProgBarSettings, WhichSettersRepaint)
{
    TProgBar bar;
    PaintCounter paints(bar);
    auto paintsOf = [&](auto&& change) {
        paints.Count = 0;
        change();
        return paints.Count;
    };
    // Repaint on change only.
    EXPECT_EQ(paintsOf([&] { bar.SetValue(10); }), 0);
    EXPECT_EQ(paintsOf([&] { bar.SetValue(11); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetMax(100); }), 0);
    EXPECT_EQ(paintsOf([&] { bar.SetMin(1); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetMarginLeft(4); }), 0);
    EXPECT_EQ(paintsOf([&] { bar.SetMarginLeft(5); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetColorGrid(clBlack); }), 0);
    EXPECT_EQ(paintsOf([&] { bar.SetFrameStyleOuter(fsSingle); }), 1);
    // Repaint on every call.
    EXPECT_EQ(paintsOf([&] { bar.SetTextVisible(true); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetTextPosX(14); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetTextPosY(14); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetTextDecPlaces(0); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetTextAngle(0); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetColorMin(clBlue); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetColorMax(clRed); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetBackGroundImg(QString()); }), 1);
    EXPECT_EQ(paintsOf([&] { bar.SetRange(1, 100); }), 1);
    // Never repaint.
    EXPECT_EQ(paintsOf([&] { bar.SetAutoIncStep(3); }), 0);
    EXPECT_EQ(paintsOf([&] { bar.SetRepeatInterval(300); }), 0);
    EXPECT_EQ(paintsOf([&] { bar.SetStartInterval(300); }), 0);
    EXPECT_EQ(paintsOf([&] { bar.SetBarColors(3, clLime); }), 0);
}

TEST(ProgBarSettings, HiddenBarPaintsOnlyWhileDesigned)
{
    TProgBar bar;
    PaintCounter paints(bar);
    bar.SetVisible(false);
    paints.Count = 0;
    bar.SetValue(50);
    EXPECT_EQ(paints.Count, 0);
    bar.SetDesigning(true);
    bar.SetValue(60);
    EXPECT_EQ(paints.Count, 1);
}

// ---- gradient table ------------------------------------------------------------------------

TEST(ProgBarGradientTable, BlueToRedAtConstruction)
{
    TProgBar bar;
    EXPECT_EQ(bar.BarColors(0), clBlue);
    EXPECT_EQ(bar.BarColors(1), 0xFE0000u);    // blue Trunc(255 - 255 / 1023) = 254
    EXPECT_EQ(bar.BarColors(512), 0x7F007Fu);  // both Trunc to 127
    EXPECT_EQ(bar.BarColors(1022), 0x0000FEu);
    EXPECT_EQ(bar.BarColors(1023), clRed);
}

TEST(ProgBarGradientTable, ColorMinAndMaxRefillTheInnerEntries)
{
    TProgBar bar;
    bar.SetColorMin(clLime);
    EXPECT_EQ(bar.BarColors(0), clLime);
    EXPECT_EQ(bar.BarColors(512), 0x007F7Fu);
    bar.SetBarColors(1023, clWhite); // edited ends are the new gradient ends
    bar.SetColorMin(clBlack);
    EXPECT_EQ(bar.ColorMax(), clWhite);
    EXPECT_EQ(bar.BarColors(512), 0x7F7F7Fu);
    bar.SetBarColors(0, clAqua);
    EXPECT_EQ(bar.ColorMin(), clAqua);
}

TEST(ProgBarGradientTable, SystemColorsBlendByTheirThemeValue)
{
    TProgBar bar;
    bar.SetColorMin(clBtnFace);
    bar.SetColorMax(clBtnFace);
    EXPECT_EQ(bar.ColorMin(), clBtnFace); // the end keeps the system color itself
    EXPECT_EQ(bar.BarColors(500), ColorToRGB(clBtnFace));
}

// The inner entries hold blended colors: under a new palette they are blended again
// from the system-colored ends, while a table between fixed colors (edited entries
// included) stays as it is.
TEST(ProgBarGradientTable, SystemColorEndsBlendAgainUnderANewPalette)
{
    TProgBar themed;
    themed.SetColorMin(clBtnFace);
    themed.SetColorMax(clWindow);
    TProgBar fixed;
    fixed.SetBarColors(500, clLime);

    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Button, QColor(50, 50, 50));
    dark.setColor(QPalette::Base, QColor(20, 20, 20));
    TColor themedMiddle, fixedMiddle;
    {
        vektest::ScopedPalette darkPalette(dark);
        themedMiddle = themed.BarColors(500);
        fixedMiddle = fixed.BarColors(500);
    }

    EXPECT_EQ(themedMiddle, 0x232323u); // Trunc(50 - 30 * 500 / 1023) = 35
    EXPECT_EQ(fixedMiddle, clLime);
}

TEST(ProgBarGradientTable, IndicesOutsideTheTableAreHarmless)
{
    TProgBar bar;
    bar.SetBarColors(-1, clLime);
    bar.SetBarColors(TProgBar::GradientSize, clLime);
    bar.SetBarColors(1 << 30, clLime);
    EXPECT_EQ(bar.BarColors(-1), clBlack);
    EXPECT_EQ(bar.BarColors(TProgBar::GradientSize), clBlack);
    EXPECT_EQ(bar.BarColors(0), clBlue);
    EXPECT_EQ(bar.BarColors(1023), clRed);
}

// ---- Assign --------------------------------------------------------------------------------

TEST(ProgBarAssign, CopiesLookAndValueButNotTheTimer)
{
    TProgBar source;
    source.SetName("Source");
    source.SetFrameStyleOuter(fsEmbossed);
    source.SetFrameStyleInner(fsSingle);
    source.SetValue(33);
    source.SetColorMargin(clTeal);
    source.SetColorScheme(csSystemColors);
    source.SetRange(-10, 50);
    source.SetDirection(dirUp);
    source.SetColorMin(clLime);
    source.SetBarColors(7, clFuchsia);
    source.SetColorBackGnd(clNavy);
    source.SetShowColorGradient(true);
    source.SetColorGrid(clAqua);
    source.SetGridDist(7);
    source.SetColorMapMode(TProgBar::cgmCover);
    source.SetMarginLeft(1);
    source.SetMarginTop(2);
    source.SetMarginRight(3);
    source.SetMarginBottom(5);
    source.SetTextPosX(100);
    source.SetTextPosY(20);
    source.SetTextDecPlaces(-1);
    source.SetTextAngle(45);
    source.SetTextAlignment(taRightJustify);
    source.SetTextVisible(false);
    source.OnShowValue = [](TObject*, QString& text) { text = "copied"; };
    source.SetAutoIncStep(5);
    source.SetRepeatInterval(50);
    source.SetStartInterval(60);

    TProgBar target;
    target.SetName("Target");
    target.Assign(&source);
    EXPECT_EQ(target.FrameStyleOuter(), fsEmbossed);
    EXPECT_EQ(target.FrameStyleInner(), fsSingle);
    EXPECT_EQ(target.Value(), 33.0);
    EXPECT_EQ(target.ColorMargin(), clTeal);
    EXPECT_EQ(target.ColorScheme(), csSystemColors);
    EXPECT_EQ(target.Min(), -10.0);
    EXPECT_EQ(target.Max(), 50.0);
    EXPECT_EQ(target.Direction(), dirUp);
    EXPECT_EQ(target.ColorMin(), clLime);
    EXPECT_EQ(target.BarColors(7), clFuchsia);
    EXPECT_EQ(target.ColorBackGnd(), clNavy);
    EXPECT_TRUE(target.ShowColorGradient());
    EXPECT_EQ(target.ColorGrid(), clAqua);
    EXPECT_EQ(target.GridDist(), 7);
    EXPECT_EQ(target.ColorMapMode(), TProgBar::cgmCover);
    EXPECT_EQ(target.MarginLeft(), 1);
    EXPECT_EQ(target.MarginTop(), 2);
    EXPECT_EQ(target.MarginRight(), 3);
    EXPECT_EQ(target.MarginBottom(), 5);
    EXPECT_EQ(target.TextPosX(), 100);
    EXPECT_EQ(target.TextPosY(), 20);
    EXPECT_EQ(target.TextDecPlaces(), -1);
    EXPECT_EQ(target.TextAngle(), 45);
    EXPECT_EQ(target.TextAlignment(), taRightJustify);
    EXPECT_FALSE(target.TextVisible());
    ASSERT_TRUE(bool(target.OnShowValue));
    QString text;
    target.OnShowValue(&target, text);
    EXPECT_EQ(text, "copied");
    EXPECT_EQ(target.AutoIncStep(), 1.0);
    EXPECT_EQ(target.RepeatInterval(), 700);
    EXPECT_EQ(target.StartInterval(), 1500);
    EXPECT_EQ(target.Name(), "Target");
    // The copy is painted: the frame line colors came along with the scheme.
    EXPECT_EQ(Pixel(target, 0, 10), ColorToRGB(clBtnHighlight));
}

TEST(ProgBarAssign, BackgroundPictureIsCopiedNotShared)
{
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 0));
    const QString path = QDir::temp().filePath("progbar_assign_bg.png");
    ASSERT_TRUE(picture.save(path));
    TProgBar source;
    Plain(source);
    source.SetBackGroundImg(path);
    TProgBar target;
    Plain(target);
    target.Assign(&source);
    EXPECT_EQ(target.BackGroundImg(), path);
    EXPECT_EQ(Pixel(target, 200, 10), clGreen);
    // Replacing the file and reloading it in the source leaves the copy alone.
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(path));
    source.SetBackGroundImg(path);
    EXPECT_EQ(Pixel(source, 200, 10), clRed);
    target.Refresh();
    EXPECT_EQ(Pixel(target, 200, 10), clGreen);
    QFile::remove(path);
}

TEST(ProgBarAssign, OtherClassesAreRefusedBothWays)
{
    TProgBar bar;
    TBitmap bitmap(2, 2);
    EXPECT_THROW(bar.Assign(&bitmap), EConvertError);
    EXPECT_THROW(bitmap.Assign(&bar), EConvertError);
}
