// Syntax checks, number text builders and the conversion of whole field texts.
#include <VEK_NumIO.h>
#include <frame/baselib/mathlib.h>

#include "qstring_printer.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace vek;

TEST(IsValidExpText, CompleteNumbersOnly)
{
    for (const char* text : {"1", "1E", "1E+", "-1.5e-3", " 2", ".", "3.", "1E4200", "1e-0004200"})
        EXPECT_TRUE(IsValidExpText(QString(text), true, dsPoint)) << text;
    for (const char* text : {"", "E5", "1E5000", "1E4201", "-", "1 ", "1.2.3", "1e5x", "1e5.", "1,5"})
        EXPECT_FALSE(IsValidExpText(QString(text), true, dsPoint)) << text;
    EXPECT_FALSE(IsValidExpText(u"1e5", false, dsPoint));
    EXPECT_TRUE(IsValidExpText(u"1,5", true, dsComma));
    EXPECT_TRUE(IsValidExpText(u"1,5", true, dsBoth));
}

TEST(IsValidFixedText, SignSeparatorDigits)
{
    for (const char* text : {"-", "+", ".", "12.", ".5", "-0.25", "007"})
        EXPECT_TRUE(IsValidFixedText(QString(text), dsPoint)) << text;
    for (const char* text : {"", "1.2.3", "1e5", "--1", "1-", " 1", "1,5", "-.-"})
        EXPECT_FALSE(IsValidFixedText(QString(text), dsPoint)) << text;
    EXPECT_TRUE(IsValidFixedText(u"1,5", dsComma));
    EXPECT_FALSE(IsValidFixedText(u"1.5", dsComma));
    EXPECT_FALSE(IsValidFixedText(u"1.5,", dsBoth));
}

TEST(IsValidIntegerTexts, DigitsOfEachBase)
{
    EXPECT_TRUE(IsValidIntText(u"7"));
    EXPECT_TRUE(IsValidIntText(u"-12"));
    EXPECT_TRUE(IsValidIntText(u"+0"));
    EXPECT_FALSE(IsValidIntText(u"-"));
    EXPECT_FALSE(IsValidIntText(u""));
    EXPECT_FALSE(IsValidIntText(u"1-"));
    EXPECT_FALSE(IsValidIntText(u"1.0"));
    EXPECT_TRUE(IsValidHexText(u"09afAF"));
    EXPECT_FALSE(IsValidHexText(u"0g"));
    EXPECT_FALSE(IsValidHexText(u"$1"));
    EXPECT_FALSE(IsValidHexText(u""));
    EXPECT_TRUE(IsValidOctText(u"01234567"));
    EXPECT_FALSE(IsValidOctText(u"8"));
    EXPECT_TRUE(IsValidBinText(u"0110"));
    EXPECT_FALSE(IsValidBinText(u"012"));
    EXPECT_FALSE(IsValidBinText(QString::fromUtf8("\u0661")));
}

TEST(SeparatorModeOf, FollowsTheLocaleForTheSystemChoice)
{
    EXPECT_EQ(SeparatorModeOf(dsPoint), smPoint);
    EXPECT_EQ(SeparatorModeOf(dsComma), smComma);
    EXPECT_EQ(SeparatorModeOf(dsBoth), smBoth);
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(SeparatorModeOf(dsSystemDefault), smComma);
    EXPECT_TRUE(IsValidFixedText(u"1,5", dsSystemDefault));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(SeparatorModeOf(dsSystemDefault), smPoint);
    QLocale::setDefault(saved);
}

TEST(FormatReal, FixedNotation)
{
    EXPECT_EQ(FormatReal(1, 2, 3.14159), "3.14");
    EXPECT_EQ(FormatReal(8, 3, -2.5), "  -2.500");
    EXPECT_EQ(FormatReal(1, 0, 2.5), "3"); // halves away from zero, as Str does
    EXPECT_EQ(FormatReal(1, 2, 1.259), "1.26");
}

TEST(FormatReal, ScientificWithTwoExponentDigitsOrAsterisks)
{
    EXPECT_EQ(FormatReal(12, -2, 1234.5678), " 1.23457E+03");
    EXPECT_EQ(FormatReal(12, -2, -0.000123), "-1.23000E-04");
    EXPECT_EQ(FormatReal(12, -2, 0), " 0.00000E+00");
    EXPECT_EQ(FormatReal(12, -2, 1e150), "************");
    EXPECT_EQ(FormatReal(12, -2, -1e-100), "************");
    EXPECT_EQ(FormatReal(10, -2, 9.87654e99), " 9.877E+99");
}

TEST(FormatDigits, FixedDigitCountsFromTheLowEnd)
{
    EXPECT_EQ(FormatHex(255, 8), "000000FF");
    EXPECT_EQ(FormatHex(0xABCDEF12u, 4), "EF12");
    EXPECT_EQ(FormatHex(0xABCDEF12u, 20), "ABCDEF12");
    EXPECT_EQ(FormatHex(10, 0), "A");
    EXPECT_EQ(FormatBin(5, 8), "00000101");
    EXPECT_EQ(FormatBin(300, 8), "00101100");
    EXPECT_EQ(FormatBin(0x80000001u, 40), "10000000000000000000000000000001");
    EXPECT_EQ(FormatOct(quint32(-1), 11), "37777777777");
    EXPECT_EQ(FormatOct(8, -3), "0");
}

TEST(ConvertNumString, DecimalFormats)
{
    double value = 42;
    EXPECT_FALSE(ConvertNumString(u"", itExp, smPoint, value));
    EXPECT_EQ(value, 42); // untouched
    EXPECT_TRUE(ConvertNumString(u" 12", itExp, smPoint, value));
    EXPECT_EQ(value, 12);
    EXPECT_FALSE(ConvertNumString(u"1 2", itExp, smPoint, value));
    EXPECT_TRUE(ConvertNumString(u"   ", itExp, smPoint, value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(ConvertNumString(u"1e", itExp, smPoint, value));
    EXPECT_EQ(value, 1);
    EXPECT_TRUE(ConvertNumString(u"2.5E-", itExp, smPoint, value));
    EXPECT_EQ(value, 2.5);
    EXPECT_TRUE(ConvertNumString(u"2E3", itExp, smPoint, value));
    EXPECT_EQ(value, 2000);
    EXPECT_FALSE(ConvertNumString(u"2E3", itFloat, smPoint, value));
    EXPECT_TRUE(ConvertNumString(u"-", itFixPoint, smPoint, value));
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(ConvertNumString(u"1,5", itFloat, smComma, value));
    EXPECT_EQ(value, 1.5);
    EXPECT_FALSE(ConvertNumString(u"1.5", itFloat, smComma, value));
}

TEST(ConvertNumString, IntegerFormatsRefuseDigitsBeyond32Bits)
{
    double value = 0;
    EXPECT_TRUE(ConvertNumString(u"-17", itInt, smPoint, value));
    EXPECT_EQ(value, -17);
    EXPECT_TRUE(ConvertNumString(u"-", itInt, smPoint, value));
    EXPECT_FALSE(ConvertNumString(u"4294967301", itInt, smPoint, value));
    EXPECT_FALSE(ConvertNumString(u"1.5", itInt, smPoint, value));
    EXPECT_TRUE(ConvertNumString(u"ffffffff", itHex, smPoint, value));
    EXPECT_EQ(value, -1);
    EXPECT_TRUE(ConvertNumString(u"000000FF", itHex, smPoint, value));
    EXPECT_EQ(value, 255);
    EXPECT_FALSE(ConvertNumString(u"1ffffffff", itHex, smPoint, value));
    EXPECT_FALSE(ConvertNumString(u"-1", itHex, smPoint, value));
    EXPECT_TRUE(ConvertNumString(u"17", itOct, smPoint, value));
    EXPECT_EQ(value, 15);
    EXPECT_FALSE(ConvertNumString(u"8", itOct, smPoint, value));
    EXPECT_TRUE(ConvertNumString(u"101", itBin, smPoint, value));
    EXPECT_EQ(value, 5);
}

TEST(ConvertNumString, DynamicPrefixes)
{
    double value = 0;
    EXPECT_TRUE(ConvertNumString(u"$Ff", itDynamic, smPoint, value));
    EXPECT_EQ(value, 255);
    EXPECT_TRUE(ConvertNumString(u"%101", itDynamic, smPoint, value));
    EXPECT_EQ(value, 5);
    EXPECT_TRUE(ConvertNumString(u"&17", itDynamic, smPoint, value));
    EXPECT_EQ(value, 15);
    EXPECT_TRUE(ConvertNumString(u"$", itDynamic, smPoint, value)); // typing has begun
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(ConvertNumString(u"$$1", itDynamic, smPoint, value));
    EXPECT_FALSE(ConvertNumString(u"%102", itDynamic, smPoint, value));
    EXPECT_TRUE(ConvertNumString(u"1.5e2", itDynamic, smPoint, value));
    EXPECT_EQ(value, 150);
}

TEST(ConvertNumString, WrittenTextsReadBack)
{
    for (const double v : {0.0, 1.0, -1.0, 255.0, 2147483647.0, -2147483648.0, 123456.0}) {
        double back = 0;
        const auto bits = quint32(qint32(v));
        EXPECT_TRUE(ConvertNumString(FormatHex(bits, 8), itHex, smPoint, back));
        EXPECT_EQ(back, v);
        EXPECT_TRUE(ConvertNumString(FormatOct(bits, 11), itOct, smPoint, back));
        EXPECT_EQ(back, v);
        EXPECT_TRUE(ConvertNumString(FormatBin(bits, 32), itBin, smPoint, back));
        EXPECT_EQ(back, v);
        EXPECT_TRUE(ConvertNumString(FormatReal(12, -2, v * 1.5), itExp, smPoint, back));
        EXPECT_NEAR(back, v * 1.5, std::abs(v) * 1e-5);
    }
}
