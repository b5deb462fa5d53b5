// Labels and displays as a screen reader reads them: role, name, value and the value
// change event.
#include "accessibility_fixture.h"

#include <VEK_NumLab.h>

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
