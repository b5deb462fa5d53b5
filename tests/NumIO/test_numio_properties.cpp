// TNumIO settings, Value in every input format, range rules, design and loading state,
// and copying.
#include "numio_fixture.h"

#include <VEK_NumLab.h>
#include <frame/core/errors.h>
#include <frame/baselib/mathlib.h>

#include <QVariant>

using namespace vek;
using namespace numiotest;

TEST(NumIODefaults, RunTimeAndDesignTime)
{
    TNumIO field;
    EXPECT_EQ(field.InputFormat(), itDynamic);
    EXPECT_EQ(field.FixPointDecPlaces(), 2);
    EXPECT_FALSE(field.Beep());
    EXPECT_EQ(field.DecPlaceSep(), dsSystemDefault);
    EXPECT_EQ(field.RangeLow(), 0);
    EXPECT_EQ(field.RangeHigh(), 0);
    EXPECT_EQ(field.Text(), "");
    EXPECT_TRUE(field.AutoSelect());
    EXPECT_TRUE(field.AutoSize());
    EXPECT_TRUE(field.HideSelection());
    EXPECT_EQ(field.BorderStyle(), TCustomEdit::bsSingle);
    EXPECT_EQ(field.Color(), clWindow);
    EXPECT_FALSE(field.ReadOnly());

    QWidget form;
    form.setProperty(TComponentCore::DesigningProperty, true);
    TNumIO designed(&form);
    EXPECT_EQ(designed.RangeLow(), -uc_MaxDouble);
    EXPECT_EQ(designed.RangeHigh(), uc_MaxDouble);
}

TEST(NumIODefaults, PublishedAsQtProperties)
{
    TNumIO field;
    EXPECT_TRUE(field.setProperty("InputFormat", QVariant::fromValue(itHex)));
    EXPECT_EQ(field.InputFormat(), itHex);
    EXPECT_TRUE(field.setProperty("RangeHigh", 10.0));
    EXPECT_EQ(field.RangeHigh(), 10);
    EXPECT_EQ(field.property("FixPointDecPlaces").toInt(), 2);
}

TEST(NumIORange, BoundsSwapRolesWhenCrossed)
{
    TNumIO field;
    field.SetRangeHigh(20);
    field.SetRangeLow(50);
    EXPECT_EQ(field.RangeLow(), 20);
    EXPECT_EQ(field.RangeHigh(), 50);
    field.SetRangeHigh(5);
    EXPECT_EQ(field.RangeLow(), 5);
    EXPECT_EQ(field.RangeHigh(), 20);
    field.SetRangeHigh(20); // equal to RangeLow? no: RangeLow is 5
    field.SetRangeLow(20);  // not below RangeHigh
    EXPECT_EQ(field.RangeLow(), 20);
    EXPECT_EQ(field.RangeHigh(), 20);
}

TEST(NumIORange, NewRulesClearATextThatNoLongerFits)
{
    TNumIO field;
    field.SetRangeHigh(100);
    field.SetText("1.5");
    ASSERT_EQ(field.Text(), "1.5");
    field.SetInputFormat(itInt);
    EXPECT_EQ(field.Text(), "");
    field.SetText("50");
    field.SetRangeHigh(40);
    EXPECT_EQ(field.Text(), "");
    field.SetInputFormat(itFloat);
    field.SetText("2.5");
    field.SetDecPlaceSep(dsComma);
    EXPECT_EQ(field.Text(), "");
}

TEST(NumIORange, FixPointDecimalsAreClamped)
{
    TNumIO field;
    field.SetFixPointDecPlaces(0);
    EXPECT_EQ(field.FixPointDecPlaces(), 1);
    field.SetFixPointDecPlaces(12);
    EXPECT_EQ(field.FixPointDecPlaces(), 8);
}

TEST(NumIOValue, WrittenTextPerFormat)
{
    TNumIO field;
    struct Case {
        TInFormat format;
        double value;
        const char* text;
        double readBack;
    };
    const Case cases[] = {
        {itExp, 1234.5678, " 1.23457E+03", 1234.57},
        {itDynamic, -0.5, "-5.00000E-01", -0.5},
        {itExp, 1e150, "************", 0},
        {itFloat, 1.5, "1.50000000", 1.5},
        {itFixPoint, 2.345, "2.35", 2.35},
        {itInt, -41.6, "-42", -42},
        {itHex, 255, "000000FF", 255},
        {itHex, -1, "FFFFFFFF", -1},
        {itOct, 8, "00000010", 8},
        {itBin, 255, "11111111", 255},
        {itBin, 300, "00101100", 44},
        {itBin, 2.5, "00000010", 2}, // ties to even
    };
    for (const Case& c : cases) {
        field.SetInputFormat(c.format);
        field.SetValue(c.value);
        EXPECT_EQ(field.Text(), c.text) << c.value;
        EXPECT_DOUBLE_EQ(field.Value(), c.readBack) << c.text;
    }
}

TEST(NumIOValue, WritingDoesNotCheckOrFireOnChange)
{
    TNumIO field; // range 0..0
    int changes = 0;
    field.OnChange = [&](TObject*) { ++changes; };
    field.SetInputFormat(itInt);
    changes = 0;
    field.SetValue(77);
    EXPECT_EQ(field.Text(), "77");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(field.Value(), 77);
}

TEST(NumIOValue, CommaSeparatorIsWrittenAndRead)
{
    TNumIO field;
    field.SetRangeHigh(100);
    field.SetDecPlaceSep(dsComma);
    field.SetInputFormat(itFloat);
    field.SetValue(2.25);
    EXPECT_EQ(field.Text(), "2,25000000");
    EXPECT_EQ(field.Value(), 2.25);
    field.SetText("3,");
    EXPECT_EQ(field.Value(), 3);
}

TEST_F(FieldTest, RefusalAfterValueWriteRestoresTheWrittenText)
{
    SetRange(0, 100);
    field->SetInputFormat(itInt);
    field->SetValue(50);
    field->SetSelStart(2);
    Type("0");
    EXPECT_EQ(field->Text(), "50");
}

TEST(NumIOState, DesignStateSkipsTheCheck)
{
    QWidget form;
    form.setProperty(TComponentCore::DesigningProperty, true);
    TNumIO field(&form);
    field.SetText("abc");
    EXPECT_EQ(field.Text(), "abc");
}

TEST(NumIOState, StoredSettingsAreCheckedOnceLoaded)
{
    TNumIO field;
    field.BeginLoading();
    field.SetText("50");  // arrives before the range
    field.SetRangeLow(10);
    field.SetRangeHigh(90);
    EXPECT_EQ(field.Text(), "50");
    field.EndLoading();
    EXPECT_EQ(field.Text(), "50");
    EXPECT_FALSE(field.ComponentState() & csLoading);
    field.SetText("95");
    EXPECT_EQ(field.Text(), "50");
}

TEST(NumIOCopy, AssignCopiesTheCheckSettingsOnly)
{
    TNumIO source;
    source.SetInputFormat(itHex);
    source.SetBeep(true);
    source.SetRangeHigh(500);
    source.SetRangeLow(-5);
    source.SetDecPlaceSep(dsBoth);
    source.SetFixPointDecPlaces(6);
    source.SetText("ff");
    TNumIO target;
    target.Assign(&source);
    EXPECT_EQ(target.InputFormat(), itHex);
    EXPECT_TRUE(target.Beep());
    EXPECT_EQ(target.RangeLow(), -5);
    EXPECT_EQ(target.RangeHigh(), 500);
    EXPECT_EQ(target.DecPlaceSep(), dsBoth);
    EXPECT_EQ(target.FixPointDecPlaces(), 2);
    EXPECT_EQ(target.Text(), "");
}

TEST(NumIOCopy, AssignToAndForeignClasses)
{
    TNumIO source;
    source.SetInputFormat(itOct);
    TNumIO target;
    static_cast<TPersistent&>(target).Assign(&source);
    EXPECT_EQ(target.InputFormat(), itOct);
    TNumLab label;
    EXPECT_THROW(target.Assign(&label), EConvertError);
}

TEST(NumIOValue, NonFiniteAndHugeValuesGiveReadableTexts)
{
    TNumIO field;
    const double values[] = {std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity(), -uc_MaxDouble, 1e300};
    for (int format = itExp; format <= itDynamic; ++format) {
        field.SetInputFormat(TInFormat(format));
        for (const double value : values) {
            field.SetValue(value);
            EXPECT_FALSE(field.Text().isEmpty());
            EXPECT_TRUE(std::isfinite(field.Value())) << format << ' ' << qPrintable(field.Text());
        }
    }
}
