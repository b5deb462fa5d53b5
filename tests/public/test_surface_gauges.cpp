// The analog meter and the progress bar as Qt widgets: layout sizes, color properties,
// properties registered once, enabled and palette repaints, and their signals.
#include "pixels.h"
#include "scoped_palette.h"
#include "surface_checks.h"

#include <VEK_Meter.h>
#include <VEK_ProgBar.h>

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <cmath>

using namespace vek;

namespace {

double FirstArgument(const QSignalSpy& spy, int call)
{
    return spy.at(call).at(0).toDouble();
}

} // namespace

// ---- meter -------------------------------------------------------------------------------

// The default meter follows the palette in its rim cover (clBtnFace); its white dial and
// the text on it stay as they are, and a disabled one engraves the labels.
TEST(MeterSurface, BehavesAsAQtWidget)
{
    vektest::ExpectQtSurface([] { return new TMeter; });
}

TEST(MeterSurface, WideLayoutWithCaptionAndBands)
{
    vektest::ExpectQtSurface([] {
        auto* meter = new TMeter;
        meter->SetMeterLayout(TMeter::mlCirc300);
        meter->SetCaption(QStringLiteral("rpm"));
        meter->SetScaleBkWidth(10);
        meter->SetScaleBkVisible(true);
        return meter;
    });
}

namespace {

// The text cells of a meter's tick labels and caption, as its next paint places them.
QList<QRect> MeterTextCells(TMeter& meter)
{
    QList<QRect> cells;
    const QFontMetrics labels(meter.font());
    meter.OnBeforeDrawScaleLabel = [&](TObject*, TCanvas*, QString& text, int x, int y) {
        cells << QRect(x, y, labels.horizontalAdvance(text), labels.height());
    };
    meter.Refresh();
    meter.OnBeforeDrawScaleLabel = nullptr;
    const QFontMetrics caption(meter.FontCaption()->ToQFont());
    const int w = caption.horizontalAdvance(meter.Caption());
    const int h = caption.height();
    const int y = meter.MeterCenterY() - int(std::lround(meter.MeterRadius() / 3));
    cells << QRect(meter.MeterCenterX() - w / 2, y - h / 2, w, h);
    return cells;
}

} // namespace

// A dark palette leaves the white dial white: the tick labels and the caption on it
// must stay readable, their glyph cores at least 3:1 against the dial, enabled or not.
TEST(MeterSurface, TextOnTheDialStaysReadableUnderADarkPalette)
{
    vektest::ScopedPalette dark(vektest::DarkPalette());
    for (bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        TMeter meter;
        meter.NeedleLayout()->SetVisible(false); // it would cross the label of 0.0
        meter.SetCaption(QStringLiteral("mV"));
        meter.setEnabled(enabled);
        const QList<QRect> cells = MeterTextCells(meter);
        ASSERT_EQ(cells.size(), 7); // 0.0 .. 1.0 and the caption
        const QImage face = vektest::Render(&meter);
        const TColor dial = ColorToRGB(meter.ColorBakG());
        EXPECT_EQ(dial, clWhite);
        for (const QRect& cell : cells)
            EXPECT_GE(vektest::CountContrasting(face, cell, dial, 3.0), 8) << "cell at "
                << cell.x() << ", " << cell.y();
    }
}

TEST(MeterSurface, SizeHintsLeaveRoomForTheLabels)
{
    TMeter meter;
    EXPECT_EQ(meter.sizeHint(), QSize(297, 209));
    for (int layout = TMeter::mlCirc90; layout <= TMeter::mlCirc360; ++layout) {
        SCOPED_TRACE(layout);
        meter.SetMeterLayout(TMeter::TMeterLayout(layout));
        const QSize minimum = meter.minimumSizeHint();
        EXPECT_LE(minimum.width(), 297);
        EXPECT_LE(minimum.height(), 209);
        meter.resize(minimum);
        // Labels reach h + 15 = 29 pixels inside the scale arc; the hub has radius 24.
        EXPECT_GE(meter.MeterRadius(), meter.AnchorSize() + 29);
    }
    const QSize before = meter.minimumSizeHint();
    meter.SetAnchorSize(60);
    EXPECT_GT(meter.minimumSizeHint().height(), before.height());
    meter.SetAnchorSize(200); // a hub larger than the default size grows the hint too
    EXPECT_EQ(meter.sizeHint(), meter.minimumSizeHint());
}

TEST(MeterSignals, ValueChangedByCodeAndByTheScaleLimits)
{
    TMeter meter;
    QSignalSpy values(&meter, &TMeter::valueChanged);
    QSignalSpy secondValues(&meter, &TMeter::valueSecChanged);
    meter.SetValue(0.25);
    meter.SetValue(0.25);
    ASSERT_EQ(values.count(), 1);
    EXPECT_EQ(FirstArgument(values, 0), 0.25);

    meter.SetValue(5); // clamped to the maximum
    meter.SetValue(7); // clamped to the same maximum: no change
    ASSERT_EQ(values.count(), 2);
    EXPECT_EQ(FirstArgument(values, 1), 1.0);

    EXPECT_TRUE(meter.setProperty("ValueSec", 0.75));
    ASSERT_EQ(secondValues.count(), 1);
    EXPECT_EQ(FirstArgument(secondValues, 0), 0.75);

    meter.SetMeterMaxValue(0.5); // lowers both values
    ASSERT_EQ(values.count(), 3);
    EXPECT_EQ(FirstArgument(values, 2), 0.5);
    ASSERT_EQ(secondValues.count(), 2);
    EXPECT_EQ(FirstArgument(secondValues, 1), 0.5);

    meter.SetMeterMinValue(-2); // leaves both inside: nothing
    EXPECT_EQ(values.count(), 3);
    EXPECT_EQ(secondValues.count(), 2);
}

TEST(MeterSignals, SlotsTakeValuesFromOtherWidgets)
{
    TMeter source;
    TMeter follower;
    QObject::connect(&source, &TMeter::valueChanged, &follower, &TMeter::SetValue);
    QObject::connect(&source, &TMeter::valueChanged, &follower, &TMeter::SetValueSec);
    source.SetValue(0.4);
    EXPECT_EQ(follower.Value(), 0.4);
    EXPECT_EQ(follower.ValueSec(), 0.4);
}

TEST(MeterSignals, RangeSignalsFollowTheirHandlers)
{
    TMeter meter;
    meter.SetThresholdLow(0.2);
    meter.SetThresholdHigh(0.8);
    QStringList order;
    meter.OnOverFlow = [&](TObject*) { order << "OnOverFlow"; };
    meter.OnUnderFlow = [&](TObject*) { order << "OnUnderFlow"; };
    meter.OnNormalRange = [&](TObject*) { order << "OnNormalRange"; };
    QObject::connect(&meter, &TMeter::overFlow, [&] { order << "overFlow"; });
    QObject::connect(&meter, &TMeter::underFlow, [&] { order << "underFlow"; });
    QObject::connect(&meter, &TMeter::normalRange, [&] { order << "normalRange"; });

    meter.SetValue(0.5);
    meter.SetValue(0.9);
    meter.SetValue(0.1);
    meter.SetThresholdHigh(0.05); // pulls the value over the upper limit
    EXPECT_EQ(order, QStringList({"OnNormalRange", "normalRange", "OnOverFlow", "overFlow",
                                  "OnUnderFlow", "underFlow", "OnOverFlow", "overFlow"}));
}

TEST(MeterSignals, NeedleLayoutReportsEachChangeOnce)
{
    TMeter meter;
    TNeedleLayout* needle = meter.NeedleLayout();
    QSignalSpy changes(needle, &TNeedleLayout::changed);
    needle->SetThickness(5);
    needle->SetThickness(5);
    needle->SetHeadAngle(500); // stored as 180
    needle->SetHeadAngle(180);
    EXPECT_EQ(changes.count(), 2);

    TNeedleLayout copy;
    copy.SetColorBody(clRed);
    meter.SetNeedleLayout(&copy);
    EXPECT_EQ(changes.count(), 3) << "a copy reports one change";
}

TEST(MeterSignals, NeedleColorsAreQColorProperties)
{
    TMeter meter;
    TNeedleLayout* needle = meter.NeedleLayout();
    meter.SetValue(0.5); // straight up; inside the arrow head at (148, 30)
    const QColor body(0x12, 0x34, 0x56);
    EXPECT_TRUE(needle->setProperty("ColorBody", body));
    EXPECT_EQ(needle->ColorBody(), FromQColor(body));
    EXPECT_EQ(vektest::ColorAt(vektest::Render(&meter), 148, 30), FromQColor(body));

    const QMetaObject* meta = needle->metaObject();
    for (const char* name : {"ColorBody", "ColorOutline", "ShadowColor"}) {
        SCOPED_TRACE(name);
        const QMetaProperty property = meta->property(meta->indexOfProperty(name));
        EXPECT_EQ(property.metaType().id(), QMetaType::QColor);
        EXPECT_TRUE(property.reset(needle));
    }
    EXPECT_EQ(needle->ColorBody(), clSilver);
    EXPECT_EQ(needle->ColorOutline(), clBlack);
    EXPECT_EQ(needle->ShadowColor(), clGray);
}

// ---- progress bar ------------------------------------------------------------------------

// The value text is drawn in the font's clWindowText, so the default bar follows the
// palette; a disabled bar engraves the text.
TEST(ProgBarSurface, BehavesAsAQtWidget)
{
    vektest::ExpectQtSurface([] { return new TProgBar; });
}

// Factories that set color properties leave the color round trip out: RESET restores
// the default, not the configured color.
TEST(ProgBarSurface, VerticalBarWithThemeColors)
{
    const vektest::WidgetFactory make = [] {
        auto* bar = new TProgBar;
        bar->SetDirection(dirUp);
        bar->SetColorMargin(clBtnFace);
        bar->SetColorBackGnd(clWindow);
        bar->SetColorMin(clHighlight);
        return bar;
    };
    vektest::ExpectSizesItselfInLayout(make);
    vektest::ExpectSetEnabledRepaints(make);
    vektest::ExpectPaletteSwitchRepaints(make);
}

// The gradient table holds colors blended from its ends: ends that are system colors
// must be blended again under a new palette. The text is off, so only the gradient can
// show the switch.
TEST(ProgBarSurface, GradientBetweenSystemColorsFollowsThePalette)
{
    vektest::ExpectPaletteSwitchRepaints([] {
        auto* bar = new TProgBar;
        bar->SetTextVisible(false);
        bar->SetValue(80);
        bar->SetShowColorGradient(true);
        bar->SetColorMin(clWindow);
        bar->SetColorMax(clHighlight);
        return bar;
    });
}

TEST(ProgBarSurface, SizeHintsFromTheFontLikeQProgressBar)
{
    TProgBar bar;
    EXPECT_EQ(bar.sizeHint(), QSize(300, 28)); // font height 14 + frames 6 + margins 8
    EXPECT_EQ(bar.sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    EXPECT_EQ(bar.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    bar.SetMarginTop(10);
    EXPECT_EQ(bar.sizeHint(), QSize(300, 34));

    bar.SetDirection(dirDown);
    EXPECT_EQ(bar.sizeHint(), QSize(28, 300));
    EXPECT_EQ(bar.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    EXPECT_EQ(bar.sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    EXPECT_LT(bar.minimumSizeHint().height(), 300);

    QFont large = bar.font();
    large.setPixelSize(24);
    bar.setFont(large);
    EXPECT_GT(bar.sizeHint().width(), 28);
}

TEST(ProgBarSurface, LayoutStretchesTheBarAndKeepsItsHeight)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* bar = new TProgBar;
    layout->addWidget(bar);
    window.resize(500, 200);
    layout->activate();
    EXPECT_EQ(bar->height(), 28);
    EXPECT_GT(bar->width(), 400);
}

TEST(ProgBarSurface, DisabledTextIsEngraved)
{
    TProgBar bar;
    bar.SetColorBackGnd(clWhite);
    bar.SetValue(0); // text "0" centred on (14, 14) over the plain background
    const QRect text(6, 6, 18, 16);
    const TColor ink = ColorToRGB(clWindowText);
    EXPECT_GT(vektest::CountColor(vektest::Render(&bar), text, ink), 0);
    bar.setEnabled(false);
    const QImage disabled = vektest::Render(&bar);
    EXPECT_EQ(vektest::CountColor(disabled, text, ink), 0);
    EXPECT_GT(vektest::CountColor(disabled, text, clGray), 0);
}

TEST(ProgBarSignals, ValueChangedByCodeAndSlots)
{
    TProgBar bar;
    QSignalSpy values(&bar, &TProgBar::valueChanged);
    bar.SetValue(42);
    bar.SetValue(42);
    EXPECT_TRUE(bar.setProperty("Value", 55.5));
    bar.SetRange(20, 80); // the value is not clamped: nothing
    bar.reset();
    ASSERT_EQ(values.count(), 3);
    EXPECT_EQ(FirstArgument(values, 0), 42.0);
    EXPECT_EQ(FirstArgument(values, 1), 55.5);
    EXPECT_EQ(FirstArgument(values, 2), 20.0);

    TProgBar source;
    source.SetValue(70);
    bar.Assign(&source);
    ASSERT_EQ(values.count(), 4);
    EXPECT_EQ(FirstArgument(values, 3), 70.0);

    TProgBar follower;
    QObject::connect(&bar, &TProgBar::valueChanged, &follower, &TProgBar::SetValue);
    bar.SetValue(12.5);
    EXPECT_EQ(follower.Value(), 12.5);
}

// Each tick changes the value and reports it, then calls OnAutoInc, then emits
// autoIncremented; a handler that wraps the value reports the wrap as a change of its own.
TEST(ProgBarSignals, AutoIncrementsReportTheirValues)
{
    TProgBar bar;
    bar.SetValue(90);
    bar.SetAutoIncStep(6);
    bar.SetStartInterval(10);
    bar.SetRepeatInterval(10);
    QStringList order;
    bar.OnAutoInc = [&](TObject*) {
        order << "OnAutoInc";
        if (bar.Value() > bar.Max())
            bar.SetValue(0);
    };
    QObject::connect(&bar, &TProgBar::valueChanged,
                     [&](double value) { order << QString::number(value); });
    QObject::connect(&bar, &TProgBar::autoIncremented, [&] {
        order << "autoIncremented";
        if (order.size() >= 7)
            bar.SetAutoInc(false);
    });
    bar.SetAutoInc(true);
    QTRY_VERIFY_WITH_TIMEOUT(!bar.AutoInc(), 5000);
    EXPECT_EQ(order, QStringList({"96", "OnAutoInc", "autoIncremented", "102", "OnAutoInc",
                                  "0", "autoIncremented"}));
}
