#include <frame/baselib/colortable.h>

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>
#include <QSet>

using namespace vek;

TEST(PredefinedColors, PaletteRangesForTheColorSelector)
{
    ASSERT_EQ(PredefinedColorCount(), 47);
    const TColor vga[] = {clBlack, clMaroon, clGreen, clOlive,  clNavy,    clPurple,
                          clTeal,  clGray,   clSilver, clRed,   clLime,    clYellow,
                          clBlue,  clFuchsia, clAqua,  clWhite};
    for (int i = 1; i <= pcBasicVGACount; ++i)
        EXPECT_EQ(PredefinedColor(i), vga[i - 1]) << i;
    for (int i = 1; i <= pcExtendedCount; ++i)
        EXPECT_FALSE(IsSystemColor(PredefinedColor(i))) << i;
    for (int i = pcFirstSystemColor; i < pcFirstSystemColor + pcSystemColorCount; ++i)
        EXPECT_TRUE(IsSystemColor(PredefinedColor(i))) << i;
    EXPECT_EQ(PredefinedColor(pcFirstSystemColor + 15), clBtnFace);
}

TEST(PredefinedColors, DistinctAndNamed)
{
    QSet<TColor> seen;
    for (int i = 1; i <= PredefinedColorCount(); ++i) {
        seen << PredefinedColor(i);
        EXPECT_TRUE(ColorToString(PredefinedColor(i)).startsWith("cl")) << i;
    }
    EXPECT_EQ(seen.size(), PredefinedColorCount());
}

TEST(PredefinedColors, OutOfRangeIsBlack)
{
    for (int i : {0, -1, 48, 1000})
        EXPECT_EQ(PredefinedColor(i), clBlack) << i;
}

TEST(MeanColor, ChannelMeansRoundedDown)
{
    EXPECT_EQ(MeanColor(clBlack, clWhite), TColor(0x7F7F7F));
    EXPECT_EQ(MeanColor(RGB(10, 21, 255), RGB(11, 20, 0)), RGB(10, 20, 127));
    EXPECT_EQ(MeanColor(RGB(11, 20, 0), RGB(10, 21, 255)), RGB(10, 20, 127));
    EXPECT_EQ(MeanColor(0x00D0A040, 0x009BD8F1), TColor(0x00B5BC98));
}

TEST(MeanColor, ResolvesSystemColors)
{
    const QColor base = QApplication::palette().color(QPalette::Active, QPalette::Base);
    EXPECT_EQ(MeanColor(clWindow, clBlack), RGB(base.red() / 2, base.green() / 2, base.blue() / 2));
    EXPECT_EQ(MeanColor(clBtnFace, clBtnFace), ColorToRGB(clBtnFace));
    EXPECT_FALSE(IsSystemColor(MeanColor(clBtnFace, clBtnFace)));
}
