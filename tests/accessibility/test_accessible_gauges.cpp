// Gauges and buttons: ranges through the value interface, checked states, actions.
#include "accessibility_fixture.h"

#include <VEK_Meter.h>
#include <VEK_ProgBar.h>
#include <VEK_onoffbut.h>
#include <VEK_repsbut.h>

using namespace vek;
using namespace vektest;

using GaugeAccessibility = AccessibilityTest;

TEST_F(GaugeAccessibility, MeterIsAReadOnlyDialWithTheScaleAsRange)
{
    TMeter meter;
    meter.SetCaption(QStringLiteral("Pressure"));
    meter.SetMeterMinValue(-10);
    meter.SetMeterMaxValue(50);
    meter.SetMeterDecPlaces(1);
    meter.SetValue(12.26);
    QAccessibleInterface* iface = Interface(&meter);
    EXPECT_EQ(iface->role(), QAccessible::Dial);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Pressure"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("12.3"));
    EXPECT_TRUE(iface->state().readOnly);
    QAccessibleValueInterface* value = iface->valueInterface();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->currentValue().toDouble(), 12.26);
    EXPECT_EQ(value->minimumValue().toDouble(), -10);
    EXPECT_EQ(value->maximumValue().toDouble(), 50);
    value->setCurrentValue(3); // a display keeps what the application shows
    EXPECT_EQ(meter.Value(), 12.26);

    ClearEvents();
    meter.SetCaption(QStringLiteral("Flow"));
    EXPECT_EQ(Events(QAccessible::NameChanged, &meter).size(), 1u);
    meter.SetValue(20);
    meter.SetValue(20);
    const auto events = Events(QAccessible::ValueChanged, &meter);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].value.toDouble(), 20);
}

TEST_F(GaugeAccessibility, ProgressBarReportsValueRangeAndItsText)
{
    TProgBar bar;
    bar.SetRange(0, 200);
    bar.SetTextDecPlaces(0);
    bar.SetValue(50);
    QAccessibleInterface* iface = Interface(&bar);
    EXPECT_EQ(iface->role(), QAccessible::ProgressBar);
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("50"));
    EXPECT_EQ(iface->valueInterface()->maximumValue().toDouble(), 200);

    ClearEvents();
    bar.SetValue(75);
    ASSERT_EQ(Events(QAccessible::ValueChanged, &bar).size(), 1u);
    EXPECT_EQ(Events(QAccessible::ValueChanged, &bar)[0].value.toDouble(), 75);
}

TEST_F(GaugeAccessibility, OnOffButtonIsACheckBoxThatToggles)
{
    TOnOffBut button;
    button.SetOnOff(false);
    button.SetTopText(QStringLiteral("Pump"));
    button.SetRightText(QStringLiteral("On"));
    QAccessibleInterface* iface = Interface(&button);
    EXPECT_EQ(iface->role(), QAccessible::CheckBox);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Pump On"));
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_FALSE(iface->state().checked);

    ClearEvents();
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(button.OnOff());
    EXPECT_TRUE(iface->state().checked);
    const auto events = Events(QAccessible::StateChanged, &button);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_TRUE(events[0].changedStates.checked);

    button.SetGroupIndex(1);
    button.SetAllowAllOff(false); // one member of the group stays on: radio buttons
    EXPECT_EQ(iface->role(), QAccessible::RadioButton);
}

TEST_F(GaugeAccessibility, SpeedButtonsPressAndReportTheirGroupState)
{
    TRepSpeedButton button;
    button.SetCaption(QStringLiteral("&Up"));
    int clicks = 0;
    QObject::connect(&button, &TSpeedButton::clicked, [&clicks] { ++clicks; });
    QAccessibleInterface* iface = Interface(&button);
    EXPECT_EQ(iface->role(), QAccessible::Button);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Up"));
    EXPECT_FALSE(iface->state().checkable);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);

    button.SetGroupIndex(2);
    ClearEvents();
    button.SetDown(true);
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_TRUE(iface->state().checked);
    ASSERT_EQ(Events(QAccessible::StateChanged, &button).size(), 1u);
}
