// Properties, clamps, value texts by input format, validity rules, IntegerValue and
// copying of the custom-drawn numeric field.
#include "numio2_fixture.h"

#include <frame/core/timers.h>

#include <cmath>
#include <limits>

using namespace vek;
using namespace numio2test;

TEST(NumIO2Defaults, ConstructorValues)
{
    TNumIO2 field;
    EXPECT_EQ(field.Width(), 160);
    EXPECT_EQ(field.Height(), 28);
    EXPECT_TRUE(field.TabStop());
    EXPECT_EQ(field.InputFormat(), itFloat);
    EXPECT_EQ(field.FixPointDecPlaces(), 2);
    EXPECT_EQ(field.SignificantDigits(), 6);
    EXPECT_EQ(field.ButHeight(), 28);
    EXPECT_EQ(field.ButWidth(), 18);
    EXPECT_EQ(field.ColorWarnBG(), 0x6088FFF0u);
    EXPECT_EQ(field.ColorOutBG(), clBtnFace);
    EXPECT_EQ(field.ColorOutText(), clBtnText); // the face's text: both follow a theme
    EXPECT_EQ(field.DecPlaceSep(), dsBoth);
    EXPECT_EQ(field.RangeHigh(), 1000.0);
    EXPECT_EQ(field.Text(), QString());
    EXPECT_EQ(field.Value(), 0.0);
    EXPECT_FALSE(field.OutOfRange());
    EXPECT_EQ(field.property("GaugeWidth").toInt(), 82);
}

TEST(NumIO2Clamps, GeometrySetters)
{
    TNumIO2 field;
    field.SetButWidth(100);
    EXPECT_EQ(field.ButWidth(), 50);
    field.SetButWidth(3);
    EXPECT_EQ(field.ButWidth(), 8);
    field.SetButHeight(10);
    EXPECT_EQ(field.ButHeight(), 18);
    field.SetButHeight(100);
    EXPECT_EQ(field.ButHeight(), 28);
    field.SetButSpace(-4);
    EXPECT_EQ(field.ButSpace(), 0);
    field.SetHeight(10);
    EXPECT_EQ(field.Height(), 18);
    EXPECT_EQ(field.ButHeight(), 18); // reduced with the control
    field.SetHeight(40);
    field.SetGaugeHeight(100); // at most 40 - 3 - 18
    EXPECT_EQ(field.GaugeHeight(), 19);
    field.SetGaugeHeight(1);
    EXPECT_EQ(field.GaugeHeight(), 3);
    field.SetGaugeTopMargin(100); // at most 40 - 3 - 18
    EXPECT_EQ(field.GaugeTopMargin(), 19);
    field.SetGaugeWidth(1000); // at most 160 - 35
    EXPECT_EQ(field.GaugeWidth(), 125);
    field.SetGaugeWidth(2);
    EXPECT_EQ(field.GaugeWidth(), 10);
    field.SetGaugeLeftMargin(1000);
    EXPECT_EQ(field.GaugeLeftMargin(), 150);
    field.SetLeftSpace(-1);
    EXPECT_EQ(field.LeftSpace(), 35);
    field.SetLeftSpace(500);
    EXPECT_EQ(field.LeftSpace(), 160);
}

TEST(NumIO2Clamps, RangeBoundsMoveTogether)
{
    TNumIO2 field;
    field.SetRangeLow(2000);
    EXPECT_EQ(field.RangeLow(), 2000.0);
    EXPECT_EQ(field.RangeHigh(), 2000.0);
    field.SetRangeHigh(-5);
    EXPECT_EQ(field.RangeLow(), -5.0);
    field.SetRangeHigh(std::nan(""));
    EXPECT_EQ(field.RangeHigh(), -5.0);
    field.SetValue(-5);
    EXPECT_FALSE(field.OutOfRange());
}

TEST(NumIO2Clamps, DecimalsAndDigitsRewriteTheText)
{
    TNumIO2 field;
    field.SetValue(3.14159);
    EXPECT_EQ(field.Text(), QStringLiteral("3.14"));
    field.SetFixPointDecPlaces(0);
    EXPECT_EQ(field.FixPointDecPlaces(), 2);
    field.SetFixPointDecPlaces(4);
    EXPECT_EQ(field.Text(), QStringLiteral("3.1400")); // the value, not its digits, stays
    field.SetFixPointDecPlaces(40);
    EXPECT_EQ(field.FixPointDecPlaces(), 15);
    field.SetSignificantDigits(99);
    EXPECT_EQ(field.SignificantDigits(), 15);
}

TEST(NumIO2Values, TextOfTheValueInEveryFormat)
{
    TNumIO2 field;
    field.SetValue(1234.5678);
    EXPECT_EQ(field.Text(), QStringLiteral("1234.57"));
    field.SetInputFormat(itExp);
    EXPECT_EQ(field.Text(), QStringLiteral(" 1.23457E+03"));
    field.SetInputFormat(itInt);
    EXPECT_EQ(field.Text(), QStringLiteral("1235"));
    field.SetValue(2.5);
    EXPECT_EQ(field.Text(), QStringLiteral("2")); // ties to even
    field.SetInputFormat(itHex);
    field.SetValue(255);
    EXPECT_EQ(field.Text(), QStringLiteral("000000FF"));
    field.SetInputFormat(itOct);
    EXPECT_EQ(field.Text(), QStringLiteral("00000000377"));
    field.SetInputFormat(itBin);
    EXPECT_EQ(field.Text(), QString(24, QLatin1Char('0')) + QStringLiteral("11111111"));
    EXPECT_EQ(field.Value(), 255.0);
    field.SetInputFormat(itDynamic);
    EXPECT_EQ(field.Text(), QStringLiteral("255"));
}

TEST(NumIO2Values, ValueOfTheText)
{
    TNumIO2 field;
    field.SetText(QStringLiteral("1,5"));
    EXPECT_EQ(field.Value(), 1.5); // both separators are read
    field.SetInputFormat(itDynamic);
    field.SetText(QStringLiteral("$FF"));
    EXPECT_EQ(field.Value(), 255.0);
    field.SetText(QStringLiteral("%101"));
    EXPECT_EQ(field.Value(), 5.0);
    field.SetText(QStringLiteral("&17"));
    EXPECT_EQ(field.Value(), 15.0);
    field.SetText(QStringLiteral("-2.5"));
    EXPECT_EQ(field.Value(), -2.5);
    field.SetInputFormat(itInt);
    field.SetText(QStringLiteral("99999999999"));
    EXPECT_EQ(field.Value(), 2147483647.0);
    field.SetText(QString());
    EXPECT_EQ(field.Value(), 0.0);
    field.SetInputFormat(itHex);
    field.SetText(QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(field.Value(), -1.0);
}

TEST(NumIO2Values, NonFiniteValuesGiveTexts)
{
    TNumIO2 field;
    field.SetValue(std::nan(""));
    EXPECT_EQ(field.Text(), QStringLiteral("0.00"));
    field.SetValue(std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isfinite(field.Value()));
    EXPECT_GT(field.Value(), 1e307);
    field.SetInputFormat(itHex);
    field.SetValue(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(field.Text().size(), 8);
    field.SetInputFormat(itExp);
    field.SetValue(1e150);
    EXPECT_EQ(field.Text(), QString(12, QLatin1Char('*')));
    EXPECT_EQ(field.Value(), 0.0);
    numio2test::Face(field);
}

TEST(NumIO2Values, IntegerValueAndItsOverflow)
{
    TNumIO2 field;
    field.SetName(QStringLiteral("Pressure"));
    field.SetValue(2.5);
    EXPECT_EQ(field.IntegerValue(), 2);
    field.SetValue(-2147483648.0);
    EXPECT_EQ(field.IntegerValue(), std::numeric_limits<int>::min());
    field.SetValue(3e9);
    try {
        (void)field.IntegerValue();
        FAIL() << "no exception";
    } catch (const EVEKNumIO2Error& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Component \"Pressure\": integer overflow"));
    }
    field.SetValue(-3e9);
    EXPECT_THROW((void)field.IntegerValue(), EVEKError);
}

TEST(NumIO2Validity, RulesByFormat)
{
    TNumIO2 field;
    EXPECT_TRUE(field.CheckValidity(QStringLiteral("12.")));
    EXPECT_FALSE(field.CheckValidity(QStringLiteral("1e5")));
    EXPECT_FALSE(field.CheckValidity(QString()));
    field.SetInputFormat(itExp);
    EXPECT_TRUE(field.CheckValidity(QStringLiteral("1E+")));
    EXPECT_FALSE(field.CheckValidity(QStringLiteral("1E5000")));
    field.SetInputFormat(itFixPoint);
    EXPECT_TRUE(field.CheckValidity(QStringLiteral("12.34")));
    EXPECT_TRUE(field.CheckValidity(QStringLiteral("12,34")));
    EXPECT_FALSE(field.CheckValidity(QStringLiteral("12.3")));
    EXPECT_TRUE(field.CheckValidity(QStringLiteral("12"))); // no separator: length = decimals
    EXPECT_FALSE(field.CheckValidity(QStringLiteral("123")));
    field.SetInputFormat(itInt);
    EXPECT_TRUE(field.CheckValidity(QStringLiteral("-12")));
    EXPECT_FALSE(field.CheckValidity(QStringLiteral("-")));
    field.SetInputFormat(itOct);
    EXPECT_FALSE(field.CheckValidity(QStringLiteral("8")));
    field.SetInputFormat(itDynamic);
    EXPECT_TRUE(field.CheckValidity(QStringLiteral("$1f")));
    EXPECT_FALSE(field.CheckValidity(QStringLiteral("%12")));
    EXPECT_FALSE(field.CheckValidity(QStringLiteral("&")));
    EXPECT_TRUE(field.CheckValidity(QStringLiteral("-1.5")));
}

TEST(NumIO2Validity, CommaFieldsTakeTheirOwnFixedPointTexts)
{
    TNumIO2 field;
    field.SetInputFormat(itFixPoint);
    field.SetDecPlaceSep(dsComma);
    EXPECT_TRUE(field.CheckValidity(QStringLiteral("1,25")));
    EXPECT_FALSE(field.CheckValidity(QStringLiteral("1.25")));
}

TEST(NumIO2Text, InvalidTextIsIgnored)
{
    TNumIO2 field;
    int changes = 0;
    field.OnChange = [&](TObject*) { ++changes; };
    field.SetText(QStringLiteral("12.5"));
    field.SetText(QStringLiteral("12x"));
    EXPECT_EQ(field.Text(), QStringLiteral("12.5"));
    EXPECT_EQ(field.CaretPos(), 0);
    field.SetText(QString());
    EXPECT_EQ(field.Text(), QString());
    EXPECT_EQ(changes, 0);
}

TEST(NumIO2Text, SeparatorChoiceConvertsTheText)
{
    TNumIO2 field;
    field.SetText(QStringLiteral("1.50"));
    field.SetDecPlaceSep(dsComma);
    EXPECT_EQ(field.Text(), QStringLiteral("1,50"));
    field.SetDecPlaceSep(dsPoint);
    EXPECT_EQ(field.Text(), QStringLiteral("1.50"));
    field.SetDecPlaceSep(dsBoth);
    EXPECT_EQ(field.Text(), QStringLiteral("1.50"));
}

TEST(NumIO2Text, ValueTextsUseTheFieldsSeparator)
{
    TNumIO2 field;
    field.SetInputFormat(itFixPoint);
    field.SetDecPlaceSep(dsComma);
    field.SetValue(1.25);
    EXPECT_EQ(field.Text(), QStringLiteral("1,25"));
    QTest::keyClick(&field, Qt::Key_7); // the text stays editable
    EXPECT_EQ(field.Text(), QStringLiteral("71,25"));
    EXPECT_EQ(field.Value(), 71.25);
}

TEST(NumIO2Text, ShorterValueTextKeepsPositionsInside)
{
    TNumIO2 field;
    field.SetText(QStringLiteral("12345.25"));
    field.SetSelEnd(8);
    field.SetSelBegin(6);
    field.SetValue(1);
    EXPECT_LE(field.SelEnd(), 4);
    EXPECT_LE(field.SelBegin(), field.SelEnd());
    numio2test::Face(field);
}

TEST(NumIO2Coordinates, CharPositionsAndBack)
{
    TNumIO2 field;
    field.SetText(QStringLiteral("12.34"));
    const int tw = TextWidth(QStringLiteral("12.34"));
    const int left = 35 + (80 - tw) / 2 + 2;
    EXPECT_EQ(field.CharPosToXCoords(0), left);
    EXPECT_EQ(field.CharPosToXCoords(2), left + TextWidth(QStringLiteral("12")));
    EXPECT_EQ(field.CharPosToXCoords(99), left + tw);
    for (int n = 0; n <= 5; ++n) {
        const int x = field.CharPosToXCoords(n);
        EXPECT_EQ(field.XCoordsToCharPos(x), n) << n;
        EXPECT_EQ(field.XCoordsToCharPos(x + 1), n) << n; // nearest boundary
    }
    EXPECT_EQ(field.XCoordsToCharPos(0), 0);
    EXPECT_EQ(field.XCoordsToCharPos(159), 5);
    field.SetAlignment(taLeftJustify);
    EXPECT_EQ(field.CharPosToXCoords(0), 39);
    field.SetAlignment(taRightJustify);
    EXPECT_EQ(field.CharPosToXCoords(5), 35 + 80 - 2);
}

TEST(NumIO2Coordinates, ZeroAverageWidthGivesPositionZero)
{
    TNumIO2 field;
    QFont tiny;
    tiny.setPixelSize(1);
    field.Font()->SetFromQFont(tiny);
    field.SetText(QStringLiteral("1111111111"));
    if (QFontMetrics(tiny).horizontalAdvance(field.Text()) >= field.Text().size())
        GTEST_SKIP() << "the tiny font still has digits a pixel wide";
    EXPECT_EQ(field.XCoordsToCharPos(100), 0);
}

TEST(NumIO2Copy, AssignCopiesTheFieldButNotButtonsAndGauge)
{
    TNumIO2 source;
    source.SetInputFormat(itHex);
    source.SetText(QStringLiteral("1F"));
    source.SetLeftText(QStringLiteral("Addr"));
    source.SetRangeHigh(5000);
    source.SetReadOnly(true);
    source.SetColorWarnText(clBlue);
    source.SetButVisible(true);
    source.SetButIncrem(5);
    source.SetGaugeVisible(true);
    source.SetGaugeColor(clRed);
    TNumIO2 target;
    target.Assign(&source);
    EXPECT_EQ(target.InputFormat(), itHex);
    EXPECT_EQ(target.Text(), QStringLiteral("1F"));
    EXPECT_EQ(target.LeftText(), QStringLiteral("Addr"));
    EXPECT_EQ(target.RangeHigh(), 5000.0);
    EXPECT_TRUE(target.ReadOnly());
    EXPECT_EQ(target.ColorWarnText(), clBlue);
    EXPECT_FALSE(target.ButVisible());
    EXPECT_EQ(target.ButIncrem(), 1.0);
    EXPECT_FALSE(target.GaugeVisible());
    EXPECT_EQ(target.GaugeColor(), 0x800000u);
}

TEST(NumIO2Timer, NoTimerLeftFailsConstruction)
{
    TTimerWindow::SetTimersExhausted(true);
    try {
        TNumIO2 field;
        ADD_FAILURE() << "no exception";
    } catch (const EVEKNumIO2Error& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Component \"\": no timer available"));
    }
    TTimerWindow::SetTimersExhausted(false);
}
