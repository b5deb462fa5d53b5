// Labels and displays as a screen reader reads them: role, name, value and the value
// change event.
#include "accessibility_fixture.h"

#include <VEK_NumLab.h>
#include <VEK_RasterLab.h>
#include <VEK_RotLab.h>
#include <VEK_gradfl.h>
#include <VEK_sevenseg.h>

using namespace vek;
using namespace vektest;

using LabelAccessibility = AccessibilityTest;

TEST_F(LabelAccessibility, NumLabReadsItsLeftTextAndValueWithUnit)
{
    TNumLab label;
    label.SetLeftText(QStringLiteral("Voltage"));
    label.SetRightText(QStringLiteral("V"));
    label.SetValue(12.345);
    QAccessibleInterface* iface = Interface(&label);
    ASSERT_TRUE(iface);
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Voltage"));
    EXPECT_EQ(iface->text(QAccessible::Value), label.DisplayText() + QStringLiteral(" V"));

    label.setAccessibleName(QStringLiteral("Supply voltage"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Supply voltage"));

    ClearEvents();
    label.SetValue(3);
    const auto events = Events(QAccessible::ValueChanged, &label);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].value.toString(), label.DisplayText() + QStringLiteral(" V"));
}

TEST_F(LabelAccessibility, TextLabelsAreNamedByTheirTextAndAnnounceItsChange)
{
    TRasterLab raster;
    raster.SetText(QStringLiteral("READY"));
    EXPECT_EQ(Interface(&raster)->role(), QAccessible::StaticText);
    EXPECT_EQ(Interface(&raster)->text(QAccessible::Name), QStringLiteral("READY"));

    TRotLab rotated;
    rotated.SetCaption(QStringLiteral("&Axis"));
    EXPECT_EQ(Interface(&rotated)->text(QAccessible::Name), QStringLiteral("Axis"));

    ClearEvents();
    raster.SetText(QStringLiteral("BUSY"));
    rotated.SetCaption(QStringLiteral("Depth"));
    EXPECT_EQ(Events(QAccessible::NameChanged, &raster).size(), 1u);
    EXPECT_EQ(Events(QAccessible::NameChanged, &rotated).size(), 1u);
}

TEST_F(LabelAccessibility, SevenSegmentDisplayReadsItsDigits)
{
    TSevenSeg display;
    display.SetCaption(QStringLiteral("12:30"));
    QAccessibleInterface* iface = Interface(&display);
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("12:30"));
    display.setToolTip(QStringLiteral("Clock"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Clock"));

    ClearEvents();
    display.SetCaption(QStringLiteral("12:31"));
    const auto events = Events(QAccessible::ValueChanged, &display);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].value.toString(), QStringLiteral("12:31"));
}

TEST_F(LabelAccessibility, GradientFillIsAGraphicNamedByTheApplication)
{
    TGradFill fill;
    fill.setAccessibleName(QStringLiteral("Temperature scale"));
    EXPECT_EQ(Interface(&fill)->role(), QAccessible::Graphic);
    EXPECT_EQ(Interface(&fill)->text(QAccessible::Name), QStringLiteral("Temperature scale"));
    EXPECT_TRUE(Interface(&fill)->text(QAccessible::Value).isEmpty());
}

TEST_F(LabelAccessibility, NothingIsSentWhileTheControlLoadsItsSettings)
{
    TNumLab label;
    label.BeginLoading();
    label.SetValue(7);
    label.EndLoading();
    EXPECT_TRUE(Events(QAccessible::ValueChanged, &label).empty());
}
