// The rules for values, limits and thresholds with their events, loading, and bad numbers.
#include "meter_fixture.h"

#include <frame/core/errors.h>

#include <cmath>
#include <limits>

using namespace vek;
using metertest::EventLog;

TEST(MeterValues, EveryAcceptedChangeReportsItsRange)
{
    TMeter meter;
    meter.SetThresholdLow(0.2);
    meter.SetThresholdHigh(0.8);
    EventLog log(meter);
    meter.SetValue(0.5);
    meter.SetValue(0.6);
    EXPECT_EQ(log.normal, 2);
    EXPECT_FALSE(meter.OverLimit());
    EXPECT_FALSE(meter.UnderLimit());
    meter.SetValue(0.6); // unchanged: nothing
    EXPECT_EQ(log.normal, 2);

    meter.SetValue(5); // clamped to max, at or above ThresholdHigh
    EXPECT_EQ(meter.Value(), 1);
    EXPECT_EQ(log.over, 1);
    EXPECT_TRUE(meter.OverLimit());
    meter.SetValue(0.2); // at ThresholdLow counts as under
    EXPECT_EQ(log.under, 1);
    EXPECT_TRUE(meter.UnderLimit());
    EXPECT_FALSE(meter.OverLimit());
}

TEST(MeterValues, HiddenNeedleClearsFlagsWithoutEvents)
{
    TMeter meter;
    meter.SetValue(1);
    ASSERT_TRUE(meter.OverLimit());
    EventLog log(meter);
    meter.NeedleLayout()->SetVisible(false);
    meter.SetValue(0);
    EXPECT_EQ(log.over + log.under + log.normal, 0);
    EXPECT_FALSE(meter.OverLimit());
    EXPECT_FALSE(meter.UnderLimit());
}

TEST(MeterValues, SecondaryValueReportsWhileItsNeedleIsVisible)
{
    TMeter meter;
    EventLog log(meter);
    meter.SetValueSec(0.5);
    EXPECT_EQ(meter.ValueSec(), 0.5);
    EXPECT_EQ(log.normal, 0);
    meter.NeedleLayoutSec()->SetVisible(true);
    meter.SetValueSec(3);
    EXPECT_EQ(meter.ValueSec(), 1);
    EXPECT_EQ(log.over, 1);
}

TEST(MeterValues, LimitsKeepEverythingInside)
{
    TMeter meter;
    meter.SetMeterMaxValue(10);
    meter.SetValue(8);
    meter.SetValueSec(9);
    meter.SetThresholdHigh(7);
    meter.SetMeterMaxValue(5);
    EXPECT_EQ(meter.Value(), 5);
    EXPECT_EQ(meter.ValueSec(), 5);
    EXPECT_EQ(meter.ThresholdHigh(), 5);

    meter.SetMeterMinValue(6); // at or above max: max follows
    EXPECT_EQ(meter.MeterMaxValue(), 7);
    EXPECT_EQ(meter.Value(), 6);
    EXPECT_EQ(meter.ThresholdLow(), 6);
    EXPECT_EQ(meter.ThresholdHigh(), 6);

    TMeter linear;
    linear.SetMeterMinValue(0.5);
    linear.SetMeterMaxValue(0);
    EXPECT_EQ(linear.MeterMinValue(), -1);
    EXPECT_EQ(linear.MeterMaxValue(), 0);
}

TEST(MeterValues, LogarithmicGuards)
{
    TMeter meter;
    meter.SetLogarithmic(true); // min is 0
    EXPECT_FALSE(meter.Logarithmic());

    meter.SetMeterMinValue(0.5);
    meter.SetMeterMaxValue(100);
    meter.SetLogarithmic(true);
    ASSERT_TRUE(meter.Logarithmic());
    meter.SetMeterMaxValue(0);
    EXPECT_EQ(meter.MeterMaxValue(), 100);
    meter.SetMeterMinValue(-3);
    EXPECT_EQ(meter.MeterMinValue(), 0.5);
    meter.SetThresholdLow(1e-200);
    EXPECT_EQ(meter.ThresholdLow(), 0.5);

    meter.SetMeterMaxValue(0.2); // below min: min becomes max / 10, not -0.8
    EXPECT_DOUBLE_EQ(meter.MeterMinValue(), 0.02);
}

TEST(MeterValues, ThresholdsStayOrderedAndReport)
{
    TMeter meter;
    meter.SetMeterMaxValue(10);
    meter.SetValue(4);
    EventLog log(meter);
    meter.SetThresholdHigh(3);
    EXPECT_EQ(log.over, 1);
    EXPECT_TRUE(meter.OverLimit());
    meter.SetThresholdLow(6); // above ThresholdHigh: both at 6
    EXPECT_EQ(meter.ThresholdHigh(), 6);
    EXPECT_EQ(log.under, 1);
    EXPECT_TRUE(meter.UnderLimit());
    meter.SetThresholdHigh(-5); // clamped to min, pulls ThresholdLow down
    EXPECT_EQ(meter.ThresholdHigh(), 0);
    EXPECT_EQ(meter.ThresholdLow(), 0);
}

TEST(MeterValues, ClampedSettings)
{
    TMeter meter;
    meter.SetMeterNrTicks(40);
    EXPECT_EQ(meter.MeterNrTicks(), 21);
    meter.SetMeterNrTicks(0);
    EXPECT_EQ(meter.MeterNrTicks(), 2);
    meter.SetMeterDecPlaces(9);
    EXPECT_EQ(meter.MeterDecPlaces(), 4);
    meter.SetScaleBkWidth(150);
    EXPECT_EQ(meter.ScaleBkWidth(), 100);
    meter.NeedleLayout()->SetHeadAngle(200);
    EXPECT_EQ(meter.NeedleLayout()->HeadAngle(), 180);
    meter.NeedleLayout()->SetPercentNeedleLength(-5);
    EXPECT_EQ(meter.NeedleLayout()->PercentNeedleLength(), 0);
}

TEST(MeterValues, NonFiniteNumbersAreIgnored)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TMeter meter;
    meter.SetValue(0.4);
    EventLog log(meter);
    for (double bad : {nan, inf, -inf}) {
        meter.SetValue(bad);
        meter.SetValueSec(bad);
        meter.SetMeterMinValue(bad);
        meter.SetMeterMaxValue(bad);
        meter.SetThresholdLow(bad);
        meter.SetThresholdHigh(bad);
        meter.SetScaleBkWidth(bad);
    }
    EXPECT_EQ(meter.Value(), 0.4);
    EXPECT_EQ(meter.MeterMinValue(), 0);
    EXPECT_EQ(meter.MeterMaxValue(), 1);
    EXPECT_EQ(meter.ThresholdLow(), 0);
    EXPECT_EQ(meter.ThresholdHigh(), 1);
    EXPECT_EQ(meter.ScaleBkWidth(), 0);
    EXPECT_EQ(log.over + log.under + log.normal, 0);
}

TEST(MeterLoading, StoresUncheckedAndRepairsInLoaded)
{
    TMeter meter;
    EventLog log(meter);
    meter.BeginLoading();
    meter.SetValue(20);
    meter.SetThresholdHigh(30);
    meter.SetMeterMinValue(2);
    meter.SetMeterMaxValue(10);
    meter.SetLogarithmic(true);
    EXPECT_EQ(meter.Value(), 20);
    EXPECT_EQ(meter.ThresholdHigh(), 30);
    EXPECT_EQ(log.over, 0);
    meter.EndLoading();
    EXPECT_FALSE(meter.ComponentState().testFlag(csLoading));
    EXPECT_EQ(meter.Value(), 10);
    EXPECT_EQ(meter.ThresholdHigh(), 10);
    EXPECT_TRUE(meter.Logarithmic());
    EXPECT_EQ(log.over + log.under + log.normal, 0);
}

// Stored limits may contradict each other; the meter must still be able to paint them.
TEST(MeterLoading, ContradictoryLimitsAreMended)
{
    TMeter meter;
    meter.BeginLoading();
    meter.SetMeterMinValue(5);
    meter.SetMeterMaxValue(5);
    meter.SetLogarithmic(true);
    meter.SetMeterMinValue(-1);
    meter.EndLoading();
    EXPECT_LT(meter.MeterMinValue(), meter.MeterMaxValue());
    EXPECT_FALSE(meter.Logarithmic());
    metertest::Face(meter); // paints, and terminates
}

TEST(MeterNeedleLayout, CopyKeepsTheMeterLink)
{
    TNeedleLayout source;
    source.SetColorBody(clRed);
    source.SetThickness(6);
    source.SetShadowDx(2);
    source.SetVisible(true);
    source.SetHeadAngle(60);
    TMeter meter;
    int changes = 0;
    const TNotifyEvent repaint = meter.NeedleLayoutSec()->OnChange;
    meter.NeedleLayoutSec()->OnChange = [&](TObject* sender) {
        ++changes;
        repaint(sender);
    };
    meter.SetNeedleLayoutSec(&source);
    EXPECT_EQ(meter.NeedleLayoutSec()->ColorBody(), clRed);
    EXPECT_EQ(meter.NeedleLayoutSec()->Thickness(), 6);
    EXPECT_EQ(meter.NeedleLayoutSec()->ShadowDx(), 2);
    EXPECT_EQ(meter.NeedleLayoutSec()->HeadAngle(), 60);
    EXPECT_TRUE(meter.NeedleLayoutSec()->Visible());
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(source.OnChange);

    TBitmap notALayout;
    EXPECT_THROW(meter.NeedleLayout()->Assign(&notALayout), EConvertError);
}
