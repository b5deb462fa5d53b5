// Value texts, setter rules, events and copying of the numeric label.
#include "numlab_fixture.h"

#include <frame/core/errors.h>
#include <frame/runtime/rtl.h>

#include <QApplication>
#include <QMetaProperty>
#include <QMouseEvent>

using namespace vek;
using namespace numlabtest;

TEST(NumLabDefaults, ConstructorValues)
{
    TNumLab label;
    EXPECT_EQ(label.Width(), 160);
    EXPECT_EQ(label.Height(), 28);
    EXPECT_EQ(label.Alignment(), taCenter);
    EXPECT_EQ(label.ColorLabBakG(), clBtnFace);
    EXPECT_EQ(label.ColorLabText(), clBtnText);
    EXPECT_EQ(label.ColorOutBakG(), clBtnFace);
    EXPECT_EQ(label.ColorOutText(), clBtnText);
    EXPECT_EQ(label.ColorScheme(), csFixedGrays);
    EXPECT_FALSE(label.Comma());
    EXPECT_EQ(label.DisplayType(), TNumLab::dtFixP);
    EXPECT_EQ(label.DTFormat(), "mmm-dd, yyyy");
    EXPECT_FALSE(label.Empty());
    EXPECT_TRUE(label.Enabled());
    EXPECT_FALSE(label.ForcePlusSign());
    EXPECT_EQ(label.FrameStyle(), fsLowered);
    EXPECT_EQ(label.LabelWidth(), 80);
    EXPECT_EQ(label.LeftSpace(), 35);
    EXPECT_EQ(label.LeftTextAlignment(), taRightJustify);
    EXPECT_EQ(label.OverflowIndicator(), "*********");
    EXPECT_EQ(label.Precision(), 2);
    EXPECT_EQ(label.RightTextAlignment(), taLeftJustify);
    EXPECT_EQ(label.StateText(), "undefined");
    EXPECT_FALSE(label.Transparent());
    EXPECT_EQ(label.Value(), 0.0);
    EXPECT_EQ(label.MouseAreaCode(), 0);
}

TEST(NumLabDefaults, PublishedPropertiesReachQtProperties)
{
    TNumLab label;
    EXPECT_TRUE(label.setProperty("Precision", 4));
    EXPECT_EQ(label.Precision(), 4);
    EXPECT_TRUE(label.setProperty("DisplayType", int(TNumLab::dtHex)));
    EXPECT_EQ(label.DisplayType(), TNumLab::dtHex);
    EXPECT_EQ(label.property("LeftSpace").toInt(), 35);
    // Colors are QColors for Designer; system colors read as the palette shows them.
    EXPECT_TRUE(label.setProperty("ColorLabText", QColor(Qt::red)));
    EXPECT_EQ(label.ColorLabText(), clRed);
    EXPECT_EQ(label.property("ColorOutBakG").value<QColor>(),
              QApplication::palette().color(QPalette::Button));
    label.SetColorOutBakG(clBlue);
    EXPECT_TRUE(label.metaObject()->property(label.metaObject()->indexOfProperty("ColorOutBakG"))
                    .reset(&label));
    EXPECT_EQ(label.ColorOutBakG(), clBtnFace);
}

TEST(NumLabSetters, PrecisionIsClampedAndNegativeIgnored)
{
    TNumLab label;
    label.SetPrecision(-1);
    EXPECT_EQ(label.Precision(), 2);
    label.SetPrecision(20);
    EXPECT_EQ(label.Precision(), 15);
    label.SetPrecision(0);
    EXPECT_EQ(label.Precision(), 0);
}

TEST(NumLabSetters, LeftSpaceStaysWithinTheWidth)
{
    TNumLab label;
    label.SetLeftSpace(500);
    EXPECT_EQ(label.LeftSpace(), 160);
    label.SetLeftSpace(-3);
    EXPECT_EQ(label.LeftSpace(), 160);
    label.SetLeftSpace(0);
    EXPECT_EQ(label.LeftSpace(), 0);
    label.SetLabelWidth(-40); // any width is taken
    EXPECT_EQ(label.LabelWidth(), -40);
}

TEST(NumLabText, FixedPointWithSeparatorAndSign)
{
    TNumLab label;
    label.SetValue(1234.5678);
    EXPECT_EQ(ShownText(label), "1234.57");
    label.SetComma(true);
    EXPECT_EQ(ShownText(label), "1234,57");
    label.SetComma(false);
    label.SetForcePlusSign(true);
    label.SetValue(1);
    EXPECT_EQ(ShownText(label), "+1.00");
    label.SetValue(0);
    EXPECT_EQ(ShownText(label), "0.00");
    label.SetValue(-1);
    EXPECT_EQ(ShownText(label), "-1.00");
}

TEST(NumLabText, HostFormats)
{
    TNumLab label;
    label.SetDisplayType(TNumLab::dtInt);
    label.SetValue(2.5);
    EXPECT_EQ(ShownText(label), "2");
    label.SetValue(3.5);
    EXPECT_EQ(ShownText(label), "4");
    label.SetDisplayType(TNumLab::dtExp);
    label.SetPrecision(3);
    label.SetValue(1234.5);
    EXPECT_EQ(ShownText(label), "1.23E+003");
    label.SetDisplayType(TNumLab::dtFloat);
    label.SetPrecision(4);
    label.SetValue(0.0000012346);
    EXPECT_EQ(ShownText(label), "1.235E-6");
    label.SetValue(12.5);
    EXPECT_EQ(ShownText(label), "12.5");
}

TEST(NumLabText, IntegerBasesAndPadding)
{
    TNumLab label;
    label.SetPrecision(4);
    label.SetValue(255);
    label.SetDisplayType(TNumLab::dtHex);
    EXPECT_EQ(ShownText(label), "00FF");
    label.SetDisplayType(TNumLab::dtBin);
    EXPECT_EQ(ShownText(label), "11111111");
    label.SetDisplayType(TNumLab::dtOct);
    EXPECT_EQ(ShownText(label), "0377");
    label.SetDisplayType(TNumLab::dtZeroInt);
    label.SetValue(7);
    EXPECT_EQ(ShownText(label), "0007");
    label.SetValue(-7);
    EXPECT_EQ(ShownText(label), "-0007");
}

TEST(NumLabText, HexAndBinaryIgnoreSignAndSeparatorSettings)
{
    TNumLab label;
    label.SetForcePlusSign(true);
    label.SetPrecision(1);
    label.SetValue(10);
    label.SetDisplayType(TNumLab::dtHex);
    EXPECT_EQ(ShownText(label), "A");
    label.SetDisplayType(TNumLab::dtOct);
    EXPECT_EQ(ShownText(label), "+12");
}

TEST(NumLabText, DegreesMinutesSeconds)
{
    TNumLab label;
    label.SetPrecision(1);
    label.SetValue(12.5);
    label.SetDisplayType(TNumLab::dtDeg);
    EXPECT_EQ(ShownText(label), "12.5\u00B0");
    label.SetDisplayType(TNumLab::dtDegMin);
    EXPECT_EQ(ShownText(label), "12\u00B030.0'");
    label.SetDisplayType(TNumLab::dtDegMinSec);
    label.SetValue(47.37619);
    EXPECT_EQ(ShownText(label), "47\u00B022'34.3\"");
    label.SetValue(-0.999999); // rounds up into the next degree, never 60'
    EXPECT_EQ(ShownText(label), "-1\u00B000'00.0\"");
    label.SetComma(true);
    EXPECT_EQ(ShownText(label), "-1\u00B000'00,0\"");
}

TEST(NumLabText, EngineeringNotation)
{
    TNumLab label;
    label.SetDisplayType(TNumLab::dtEEng);
    label.SetValue(4700);
    EXPECT_EQ(ShownText(label), "4.70k");
    label.SetValue(0.0000123);
    EXPECT_EQ(ShownText(label), "12.30\u00B5");
    label.SetValue(999.999); // rounding reaches the next prefix
    EXPECT_EQ(ShownText(label), "1.00k");
    label.SetDisplayType(TNumLab::dtEEngNoDP);
    label.SetValue(4700);
    EXPECT_EQ(ShownText(label), "4k70");
    label.SetValue(1.5);
    EXPECT_EQ(ShownText(label), "1R50");
    label.SetValue(-0.0022);
    EXPECT_EQ(ShownText(label), "-2m20");
}

TEST(NumLabText, DateTimeAndState)
{
    TNumLab label;
    label.SetDisplayType(TNumLab::dtDateTime);
    label.SetValue(EncodeDate(2026, 12, 8));
    EXPECT_EQ(ShownText(label), "Dec-08, 2026");
    label.SetDTFormat("yyyy-mm-dd hh:nn");
    label.SetValue(EncodeDate(2026, 1, 2) + 0.75);
    EXPECT_EQ(ShownText(label), "2026-01-02 18:00");
    label.SetDisplayType(TNumLab::dtState);
    EXPECT_EQ(ShownText(label), "undefined");
    label.SetStateText("off|on|fault");
    label.SetValue(1);
    EXPECT_EQ(ShownText(label), "on");
    label.SetValue(7); // no such entry: the whole text
    EXPECT_EQ(ShownText(label), "off|on|fault");
}

TEST(NumLabText, NonFiniteValuesDoNotBreakAnyDisplayType)
{
    TNumLab label;
    for (double value : {std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity(), -1e308, 1e308}) {
        label.SetValue(value);
        for (int type = TNumLab::dtFloat; type <= TNumLab::dtEEngNoDP; ++type) {
            label.SetDisplayType(TNumLab::TDisplay(type));
            EXPECT_NO_THROW(label.Refresh());
        }
    }
}

TEST(NumLabText, DegreesOfNonFiniteAndHugeValues)
{
    TNumLab label;
    label.SetPrecision(1);
    label.SetDisplayType(TNumLab::dtDegMin);
    label.SetValue(std::numeric_limits<double>::infinity());
    EXPECT_EQ(ShownText(label), "INF");
    label.SetValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(ShownText(label), "NAN");
    // Whole degrees only: a double this large holds no fraction of a degree.
    label.SetDisplayType(TNumLab::dtDegMinSec);
    label.SetValue(-1e300);
    const QString text = ShownText(label);
    EXPECT_TRUE(text.startsWith("-100000000000000")) << qPrintable(text);
    EXPECT_TRUE(text.endsWith("\u00B000'00.0\"")) << qPrintable(text);
}

TEST(NumLabEvents, BeforeDisplayMayRewriteTheText)
{
    TNumLab label;
    label.OnBeforeDisplay = [](TObject*, QString& text) { text = "--"; };
    label.SetValue(3);
    TNumLab reference;
    reference.SetDisplayType(TNumLab::dtState);
    reference.SetStateText("--");
    EXPECT_EQ(Face(label), Face(reference));
}

TEST(NumLabEvents, EmptyDrawsNoValueAndSkipsTheEvent)
{
    TNumLab label;
    int calls = 0;
    label.OnBeforeDisplay = [&](TObject*, QString&) { ++calls; };
    label.SetValue(88);
    EXPECT_EQ(calls, 1);
    label.SetEmpty(true);
    EXPECT_EQ(calls, 1);
    const QImage face = Face(label);
    const QRect inside(38, 2, 115 - 38 - 1, 25 - 2 - 1);
    EXPECT_TRUE(vektest::InkBounds(face, inside, ColorToRGB(clBtnFace)).isEmpty());
}

TEST(NumLabEvents, MouseAreaCodeIsSetBeforeOnMouseMove)
{
    TNumLab label;
    int seen = -1;
    label.OnMouseMove = [&](TObject* sender, TShiftState, int, int) {
        seen = static_cast<TNumLab*>(sender)->MouseAreaCode();
    };
    auto moveTo = [&](int x) {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 5), QPointF(x, 5), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&label, &move);
        return label.MouseAreaCode();
    };
    EXPECT_EQ(moveTo(35), 0);
    EXPECT_EQ(moveTo(36), 1);
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(moveTo(115), 1);
    EXPECT_EQ(moveTo(116), 2);
    EXPECT_EQ(seen, 2);
}

TEST(NumLabCopy, AssignCopiesTheListedSettingsOnly)
{
    TNumLab source;
    source.SetLeftSpace(20);
    source.SetLabelWidth(60);
    source.SetPrecision(5);
    source.SetLeftText("L");
    source.SetRightText("R");
    source.SetFrameStyle(fsRaised);
    source.SetAlignment(taLeftJustify);
    source.SetValue(42);
    source.SetStateText("s");
    source.SetColorLabText(clRed);
    source.SetColorScheme(csSystemColors);
    source.SetDisplayType(TNumLab::dtExp);
    source.SetOverflowIndicator("#");
    source.SetEmpty(true);
    source.SetComma(true);
    source.SetForcePlusSign(true);
    source.SetDTFormat("yyyy");
    source.OnBeforeDisplay = [](TObject*, QString&) {};

    TNumLab target;
    target.Assign(&source);
    EXPECT_EQ(target.LeftSpace(), 20);
    EXPECT_EQ(target.LabelWidth(), 60);
    EXPECT_EQ(target.Precision(), 5);
    EXPECT_EQ(target.LeftText(), "L");
    EXPECT_EQ(target.RightText(), "R");
    EXPECT_EQ(target.FrameStyle(), fsRaised);
    EXPECT_EQ(target.Alignment(), taLeftJustify);
    EXPECT_EQ(target.Value(), 42);
    EXPECT_EQ(target.StateText(), "s");
    EXPECT_EQ(target.ColorLabText(), clRed);
    EXPECT_EQ(target.ColorScheme(), csSystemColors);
    EXPECT_EQ(target.DisplayType(), TNumLab::dtExp);
    EXPECT_EQ(target.OverflowIndicator(), "#");
    EXPECT_TRUE(target.Empty());
    EXPECT_FALSE(target.Comma());
    EXPECT_FALSE(target.ForcePlusSign());
    EXPECT_EQ(target.DTFormat(), "mmm-dd, yyyy");
    EXPECT_FALSE(target.OnBeforeDisplay);
}

TEST(NumLabCopy, AssignFromAnotherClassFails)
{
    TNumLab label;
    TBitmap bitmap;
    EXPECT_THROW(label.Assign(&bitmap), EConvertError);
}
