// Layout geometry, tick steps and labels, and the conversions between values, angles
// and pixels.
#include "meter_fixture.h"

#include <VEK_Meter/ticks.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QRegularExpression>

#include <cmath>

using namespace vek;

namespace {

// The tick labels a paint draws, in order, with the corners they were offered at.
struct LabelLog {
    TMeter& meter;
    QStringList texts;
    QList<QPoint> corners;
    explicit LabelLog(TMeter& m) : meter(m)
    {
        meter.OnBeforeDrawScaleLabel = [this](TObject*, TCanvas*, QString& text, int x, int y) {
            texts << text;
            corners << QPoint(x, y);
        };
        meter.Refresh();
    }
    ~LabelLog() { meter.OnBeforeDrawScaleLabel = nullptr; }
};

} // namespace

TEST(MeterGeometry, DefaultMeterAndTheFixedLayouts)
{
    TMeter meter;
    EXPECT_EQ(meter.Width(), 297);
    EXPECT_EQ(meter.Height(), 209);
    EXPECT_EQ(meter.MeterAngle(), 90);
    EXPECT_DOUBLE_EQ(meter.MeterRadius(), 175);
    EXPECT_EQ(meter.MeterCenterX(), 148);
    EXPECT_EQ(meter.MeterCenterY(), 191);

    meter.SetMeterLayout(TMeter::mlCirc120);
    EXPECT_EQ(meter.MeterAngle(), 120);
    EXPECT_NEAR(meter.MeterRadius(), 150.69, 0.01);
    EXPECT_EQ(meter.MeterCenterY(), 191);

    meter.SetMeterLayout(TMeter::mlCirc300);
    EXPECT_EQ(meter.MeterAngle(), 300);
    EXPECT_NEAR(meter.MeterRadius(), 93.78, 0.01);
    EXPECT_EQ(meter.MeterCenterY(), 110);
}

TEST(MeterGeometry, RimChangesWaitForTheNextResize)
{
    TMeter meter;
    meter.SetRimTop(20);
    EXPECT_DOUBLE_EQ(meter.MeterRadius(), 175);
    meter.SetBounds(0, 0, 297, 209);
    meter.SetBounds(0, 0, 300, 209);
    EXPECT_DOUBLE_EQ(meter.MeterRadius(), 163);
    EXPECT_EQ(meter.MeterCenterX(), 150);
}

// The sweeps the library chooses the pivot for keep the scale with its bands (R + 4),
// and the hub, inside the dial window, whatever the control's shape.
TEST(MeterGeometry, WideSweepsStayInsideTheDialWindow)
{
    for (auto layout : {TMeter::mlCirc180, TMeter::mlCirc270, TMeter::mlCirc360}) {
        for (QSize size : {QSize(297, 209), QSize(200, 300), QSize(400, 150)}) {
            TMeter meter;
            meter.resize(size);
            meter.SetMeterLayout(layout);
            const double R = meter.MeterRadius();
            const int cx = meter.MeterCenterX();
            const int cy = meter.MeterCenterY();
            const double below = layout == TMeter::mlCirc180   ? 0
                                 : layout == TMeter::mlCirc270 ? R * std::sqrt(0.5) : R;
            SCOPED_TRACE(QString("layout %1, %2 x %3").arg(layout).arg(size.width()).arg(size.height()).toStdString());
            EXPECT_GT(R, 40);
            EXPECT_GE(cx - R - 4, meter.RimSide());
            EXPECT_LE(cx + R + 4, size.width() - meter.RimSide());
            EXPECT_GE(cy - R - 4, meter.RimTop());
            EXPECT_LE(cy + below + 4, size.height() - meter.RimBottom());
            EXPECT_LE(cy + 7, size.height() - meter.RimBottom()); // a label at the pivot's height
        }
    }
}

TEST(MeterTicks, StepsFollowOneTwoFive)
{
    meter::TickStep s = meter::CalcTickStep(0, 1, 3);
    EXPECT_DOUBLE_EQ(s.step, 0.2);
    EXPECT_EQ(s.subdivisions, 4);
    EXPECT_DOUBLE_EQ(s.first, 0);

    s = meter::CalcTickStep(0, 100, 10);
    EXPECT_DOUBLE_EQ(s.step, 10);
    EXPECT_EQ(s.subdivisions, 5);

    s = meter::CalcTickStep(-3, 17, 2); // raw 10: exactly a power of ten
    EXPECT_DOUBLE_EQ(s.step, 10);
    EXPECT_DOUBLE_EQ(s.first, 0);

    s = meter::CalcTickStep(0.05, 0.9, 3); // raw 0.283 -> 0.2, first multiple above min
    EXPECT_NEAR(s.first, 0.2, 1e-12);

    s = meter::CalcTickStep(0, 7, 2); // raw 3.5 -> 2
    EXPECT_DOUBLE_EQ(s.step, 2);
    s = meter::CalcTickStep(0, 14, 2); // raw 7 -> 5
    EXPECT_DOUBLE_EQ(s.step, 5);

    s = meter::CalcTickStep(5, 5, 3);
    EXPECT_EQ(s.step, 0);
    EXPECT_EQ(s.first, 5);

    s = meter::CalcTickStep(-1e308, 1e308, 3); // a span beyond the double range
    EXPECT_TRUE(std::isfinite(s.step));
    EXPECT_GT(s.step, 1e307);
}

TEST(MeterTicks, LabelText)
{
    EXPECT_EQ(meter::TickLabel(0.5, 1), "0.5");
    EXPECT_EQ(meter::TickLabel(20, 0), "20");
    EXPECT_EQ(meter::TickLabel(-1.5, 2), "-1.50");
    EXPECT_EQ(meter::TickLabel(-0.0, 1), "0.0");
    EXPECT_EQ(meter::TickLabel(1e300, 1), "1.0e300");
    EXPECT_EQ(meter::TickLabel(2e-7, 1), "2.0e-7");
    EXPECT_EQ(meter::TickLabel(9.99e-9, 0), "1e-8");
}

TEST(MeterTicks, LinearLabels)
{
    TMeter meter;
    EXPECT_EQ(LabelLog(meter).texts,
              QStringList({"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));

    meter.SetMeterMaxValue(100);
    meter.SetMeterNrTicks(10);
    meter.SetMeterDecPlaces(0);
    const LabelLog log(meter);
    EXPECT_EQ(log.texts.size(), 11);
    EXPECT_EQ(log.texts.back(), "100");
}

TEST(MeterTicks, LabelSitsInsideTheScale)
{
    TMeter meter;
    meter.SetMeterMaxValue(2);
    meter.SetMeterNrTicks(2); // ticks at 0, 1, 2
    const LabelLog log(meter);
    ASSERT_EQ(log.texts.size(), 3);
    // Centre (148, 191 - (175 - (14 / 2 + 15))) = (148, 38).
    TBitmap probe(1, 1);
    probe.Canvas()->Font()->Assign(meter.Font());
    EXPECT_EQ(log.corners[1], QPoint(148 - probe.Canvas()->TextWidth("1.0") / 2, 38 - 7));
}

// Sets the scale limits in an order the setters take without moving either.
void SetScale(TMeter& meter, double min, double max, int ticks, int decimals)
{
    meter.SetMeterMinValue(std::min(min, meter.MeterMinValue()));
    meter.SetMeterMaxValue(max);
    meter.SetMeterMinValue(min);
    meter.SetMeterNrTicks(ticks);
    meter.SetMeterDecPlaces(decimals);
}

// Each tick value comes from its own index: a scale through zero labels its zero tick
// "0.0", not with what repeated additions leave there ("-5.6e-17", "4.4e-16").
TEST(MeterTicks, LabelsOfScalesThroughZeroAndFarFromIt)
{
    struct Case {
        double min, max;
        int ticks, decimals;
        QStringList labels;
    };
    const Case cases[] = {
        {-0.5, 0.5, 3, 1, {"-0.4", "-0.2", "0.0", "0.2", "0.4"}},
        {-0.4, 1, 3, 1, {"-0.4", "-0.2", "0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}},
        {-2.9, 0.1, 3, 1, {"-2.0", "-1.0", "0.0"}},
        {-2.9, 0.1, 10, 1, {"-2.8", "-2.6", "-2.4", "-2.2", "-2.0", "-1.8", "-1.6", "-1.4",
                            "-1.2", "-1.0", "-0.8", "-0.6", "-0.4", "-0.2", "0.0"}},
        {-0.9, -0.1, 3, 1, {"-0.8", "-0.6", "-0.4", "-0.2"}},
        {-0.3, -0.1, 2, 2, {"-0.30", "-0.20", "-0.10"}},
        {-1e6, 1e6, 3, 0, {"-1000000", "-500000", "0", "500000", "1000000"}},
        {-3.5e9, 1.5e9, 2, 0, {"-2000000000", "0"}},
        {1e9, 1e9 + 10, 4, 0, {"1000000000", "1000000002", "1000000004", "1000000006",
                               "1000000008", "1000000010"}},
        {-2e-6, 2e-6, 4, 1, {"-2.0e-6", "-1.0e-6", "0.0", "1.0e-6", "2.0e-6"}},
        {-3e-7, 1e-7, 4, 1, {"-3.0e-7", "-2.0e-7", "-1.0e-7", "0.0", "1.0e-7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("%1 .. %2, %3 ticks").arg(c.min).arg(c.max).arg(c.ticks).toStdString());
        TMeter meter;
        SetScale(meter, c.min, c.max, c.ticks, c.decimals);
        EXPECT_EQ(LabelLog(meter).texts, c.labels);
    }
}

// Every scale between multiples of 0.1 in -3 .. 3 with every wanted number of intervals:
// labels in plain fixed point, never a negative zero, and zero labelled where it is a tick.
TEST(MeterTicks, NoRoundingNoiseInAnyLabel)
{
    const QRegularExpression plain(R"(^-?\d+\.\d{3}$)");
    int checked = 0;
    for (int a = -30; a <= 30; ++a) {
        for (int b = a + 1; b <= 30; ++b) {
            for (int wanted = 2; wanted <= 21; ++wanted) {
                const double min = a / 10.0;
                const double max = b / 10.0;
                const meter::TickStep ticks = meter::CalcTickStep(min, max, wanted);
                bool zeroSeen = false;
                for (int i = 0;; ++i) {
                    const double t = meter::MajorTick(ticks, i);
                    const QString label = meter::TickLabel(t, 3);
                    ASSERT_TRUE(plain.match(label).hasMatch())
                        << min << " .. " << max << " / " << wanted << ": " << label.toStdString();
                    ASSERT_NE(label, "-0.000") << min << " .. " << max << " / " << wanted;
                    zeroSeen = zeroSeen || t == 0;
                    ++checked;
                    if (!(meter::MajorTick(ticks, i + 1) <= max + 0.001 * ticks.step))
                        break;
                }
                // Zero is a multiple of every step: a scale across it has a tick there.
                if (min <= 0 && max >= 0)
                    ASSERT_TRUE(zeroSeen) << min << " .. " << max << " / " << wanted;
            }
        }
    }
    EXPECT_GT(checked, 100000);
}

// Minor ticks are counted the same way: the one at zero lies exactly on zero too, and
// every major tick is a whole number of minor intervals from the first.
TEST(MeterTicks, MinorTicksLineUpWithTheMajorOnes)
{
    const meter::TickStep ticks = meter::CalcTickStep(-2.9, 0.1, 10); // step 0.2, 4 minor
    ASSERT_EQ(ticks.subdivisions, 4);
    EXPECT_DOUBLE_EQ(meter::MinorTick(ticks, 0), -3.0); // the major tick before the first
    EXPECT_EQ(meter::MinorTick(ticks, 15 * 4), 0.0);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(meter::MinorTick(ticks, (i + 1) * 4), meter::MajorTick(ticks, i)) << i;
}

TEST(MeterTicks, LogarithmicDecades)
{
    TMeter meter;
    meter.SetMeterMaxValue(1000);
    meter.SetMeterMinValue(1);
    meter.SetLogarithmic(true);
    meter.SetMeterDecPlaces(0);
    EXPECT_EQ(LabelLog(meter).texts, QStringList({"1", "2", "5", "10", "20", "50", "100", "200",
                                                  "500", "1000"}));
}

TEST(MeterTicks, LogarithmicBelowOneDecadeUsesLinearSteps)
{
    TMeter meter;
    meter.SetMeterMaxValue(5);
    meter.SetMeterMinValue(1);
    meter.SetLogarithmic(true);
    meter.SetMeterDecPlaces(0);
    EXPECT_EQ(LabelLog(meter).texts, QStringList({"1", "2", "3", "4", "5"}));
}

TEST(MeterTicks, ExtremeLogarithmicRangeLabelsEveryHundredDecades)
{
    TMeter meter;
    meter.SetMeterMaxValue(1e300);
    meter.SetMeterMinValue(1e-90);
    meter.SetLogarithmic(true);
    ASSERT_TRUE(meter.Logarithmic());
    EXPECT_EQ(LabelLog(meter).texts, QStringList({"1.0", "1.0e100", "1.0e200", "1.0e300"}));
    meter.SetMeterNrTicks(21); // 390 decades, wanted 21 intervals: every 10th decade
    EXPECT_EQ(LabelLog(meter).texts.size(), 40);
}

TEST(MeterTicks, FullCircleDropsTheLabelOfMaxOverMin)
{
    TMeter meter;
    meter.SetMeterLayout(TMeter::mlCirc360);
    EXPECT_EQ(LabelLog(meter).texts, QStringList({"0.0", "0.2", "0.4", "0.6", "0.8"}));
}

TEST(MeterConversions, AnglesAndPixels)
{
    TMeter meter;
    EXPECT_DOUBLE_EQ(meter.CalcNeedleAngle(0.5), 180);
    EXPECT_DOUBLE_EQ(meter.CalcNeedleAngle(0), 135);
    EXPECT_DOUBLE_EQ(meter.CalcNeedleAngle(7), 225); // clamped to max
    int x = 0, y = 0;
    meter.ConvertToPixelCoords(0.5, 100, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(148, 16));
    meter.ConvertToPixelCoords(0, 100, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(24, 67));
    meter.ConvertToPixelCoords(0.7, 0, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(148, 191));
    meter.ConvertToPixelCoords(std::nan(""), 100, x, y); // treated as min
    EXPECT_EQ(QPoint(x, y), QPoint(24, 67));

    double value = -1;
    EXPECT_TRUE(meter.ConvertPixelToValue(148, 50, value));
    EXPECT_DOUBLE_EQ(value, 0.5);
    EXPECT_FALSE(meter.ConvertPixelToValue(200, 191, value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(meter.ConvertPixelToValue(148, 191, value));
    EXPECT_DOUBLE_EQ(value, 0.5);
    EXPECT_TRUE(meter.ConvertPixelToValue(148 + 1000, 191 - 1000, value));
    EXPECT_NEAR(value, 1, 1e-12);
}

TEST(MeterConversions, LogarithmicRoundTrip)
{
    TMeter meter;
    meter.SetMeterMaxValue(1000);
    meter.SetMeterMinValue(1);
    meter.SetLogarithmic(true);
    EXPECT_DOUBLE_EQ(meter.CalcNeedleAngle(std::sqrt(1000.0)), 180);
    int x = 0, y = 0;
    meter.ConvertToPixelCoords(10, 100, x, y);
    double value = 0;
    ASSERT_TRUE(meter.ConvertPixelToValue(x, y, value));
    EXPECT_NEAR(std::log10(value), 1, 0.01);
}

TEST(MeterConversions, MouseMoveReportsTheValueUnderThePointer)
{
    TMeter meter;
    int moves = 0;
    bool within = false;
    double reported = -1;
    meter.OnMouseMove = [&](TObject*, TShiftState, int, int) { ++moves; };
    meter.OnMouseMoveInMeter = [&](TObject*, bool w, TShiftState, double v) {
        within = w;
        reported = v;
    };
    QMouseEvent move(QEvent::MouseMove, QPointF(148, 50), QPointF(148, 50), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&meter, &move);
    EXPECT_GE(moves, 1);
    EXPECT_TRUE(within);
    EXPECT_DOUBLE_EQ(reported, 0.5);
    QMouseEvent outside(QEvent::MouseMove, QPointF(290, 191), QPointF(290, 191), Qt::NoButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&meter, &outside);
    EXPECT_FALSE(within);
    EXPECT_EQ(reported, 0);
}
