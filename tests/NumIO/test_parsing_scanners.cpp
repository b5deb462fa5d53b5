// The number scanners: ScanFloat's state machine and exponent limit, and the 32-bit
// integer scanners.
#include <VEK_NumIO.h>
#include <frame/baselib/mathlib.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vek;

namespace {

struct FloatScan {
    double value;
    qsizetype position;
};

FloatScan Scan(const QString& text, bool exponent = true, int mode = smPoint, qsizetype start = 1)
{
    qsizetype position = start;
    const double value = ScanFloat(text, exponent, mode, position);
    return {value, position};
}

} // namespace

TEST(ScanFloat, ReadsNumbersAndStopsOnTheFirstForeignCharacter)
{
    EXPECT_EQ(Scan("1.5e3").value, 1500);
    EXPECT_EQ(Scan("1.5e3").position, 6);
    EXPECT_EQ(Scan("1.5e3", false).value, 1.5);
    EXPECT_EQ(Scan("1.5e3", false).position, 4);
    EXPECT_EQ(Scan("12.").value, 12);
    EXPECT_EQ(Scan("  7").value, 7);
    EXPECT_EQ(Scan("  7").position, 4);
    EXPECT_EQ(Scan("-2.25E-2").value, -0.0225);
    EXPECT_EQ(Scan("+.5").value, 0.5);
    EXPECT_EQ(Scan("3x").position, 2);
    EXPECT_EQ(Scan("3 4").value, 3);
    EXPECT_EQ(Scan("3 4").position, 2);
    EXPECT_EQ(Scan("0.1").value, 0.1); // correctly rounded, not accumulated digit by digit
}

TEST(ScanFloat, SeparatorModes)
{
    EXPECT_EQ(Scan("1,5", true, smBoth).value, 1.5);
    EXPECT_EQ(Scan("1,5", true, smComma).value, 1.5);
    EXPECT_EQ(Scan("1,5", true, smPoint).value, 1);
    EXPECT_EQ(Scan("1,5", true, smPoint).position, 2);
    EXPECT_EQ(Scan("1.5", true, smComma).value, 1);
    // A second separator is an error: the number is abandoned.
    EXPECT_EQ(Scan("1.5.2").value, 0);
    EXPECT_EQ(Scan("1.5.2").position, 4);
}

TEST(ScanFloat, MalformedTextGivesZero)
{
    EXPECT_EQ(Scan("-").value, 0);
    EXPECT_EQ(Scan("-").position, 2);
    EXPECT_EQ(Scan("E5").value, 0);
    EXPECT_EQ(Scan("E5").position, 1);
    EXPECT_EQ(Scan("- 1").value, 0);
    EXPECT_EQ(Scan("").value, 0);
    EXPECT_EQ(Scan("").position, 1);
    EXPECT_EQ(Scan("abc").value, 0);
}

TEST(ScanFloat, ExponentMarkWithoutDigitsIsIgnored)
{
    EXPECT_EQ(Scan("1E").value, 1);
    EXPECT_EQ(Scan("1E").position, 3);
    EXPECT_EQ(Scan("2.5e+").value, 2.5);
    EXPECT_EQ(Scan("2.5e-x").value, 2.5);
    EXPECT_EQ(Scan("2.5e-x").position, 6);
}

TEST(ScanFloat, ExponentKeepsItsLongestPrefixUpTo4200)
{
    const FloatScan huge = Scan("1E99999");
    EXPECT_EQ(huge.value, uc_MaxDouble);
    EXPECT_EQ(huge.position, 8);
    EXPECT_EQ(Scan("-1E4200").value, -uc_MaxDouble);
    EXPECT_EQ(Scan("1E-99999").value, 0);
    // The prefix 420 of 4201 is kept, not the whole exponent dropped.
    EXPECT_EQ(Scan("1E-4201").value, 0);
    EXPECT_EQ(Scan("1e-3009").value, 0);
    // 0.000...01E4200 is within range although its exponent is not.
    QString small = "0." + QString(4000, u'0') + "1E4100";
    EXPECT_DOUBLE_EQ(Scan(small).value, 1e99);
    EXPECT_EQ(Scan(small).position, small.size() + 1);
}

TEST(ScanFloat, ClampsToTheDoubleRange)
{
    EXPECT_EQ(Scan("1e309").value, uc_MaxDouble);
    EXPECT_EQ(Scan("-1e309").value, -uc_MaxDouble);
    EXPECT_EQ(Scan(QString(400, u'9')).value, uc_MaxDouble);
    EXPECT_EQ(Scan("1e-400").value, 0);
    EXPECT_EQ(Scan("1.7976931348623157e308").value, uc_MaxDouble);
}

TEST(ScanFloat, StartsAtTheGivenPositionAndClampsIt)
{
    EXPECT_EQ(Scan("ab12.5c", true, smPoint, 3).value, 12.5);
    EXPECT_EQ(Scan("ab12.5c", true, smPoint, 3).position, 7);
    EXPECT_EQ(Scan("12", true, smPoint, -5).value, 12);
    EXPECT_EQ(Scan("12", true, smPoint, 99).position, 3);
}

TEST(ScanFloat, HugeAndStrangeTexts)
{
    const QString exponentDigits = "5e" + QString(5000, u'1');
    EXPECT_EQ(Scan(exponentDigits).value, uc_MaxDouble);
    EXPECT_EQ(Scan(exponentDigits).position, exponentDigits.size() + 1);
    const QString longMantissa = "1." + QString(100000, u'3');
    EXPECT_DOUBLE_EQ(Scan(longMantissa).value, 1.0 + 1.0 / 3);
    EXPECT_EQ(Scan(QString(10000, u' ')).value, 0);
    // Arabic-Indic digits, full-width digits and control characters are foreign.
    EXPECT_EQ(Scan(QString::fromUtf8("\u0663")).position, 1);
    EXPECT_EQ(Scan(QString::fromUtf8("4\uFF15")).value, 4);
    EXPECT_EQ(Scan(QString("1\t2")).value, 1);
    EXPECT_EQ(Scan(QString(QChar(0)) + "1").value, 0);
}

TEST(ScanInt, SignsBlanksAndStops)
{
    qsizetype p = 1;
    EXPECT_EQ(ScanInt(u"  -42x", p), -42);
    EXPECT_EQ(p, 6);
    p = 1;
    EXPECT_EQ(ScanInt(u"+7", p), 7);
    EXPECT_EQ(p, 3);
    p = 1;
    EXPECT_EQ(ScanInt(u"", p), 0);
    EXPECT_EQ(p, 1);
    p = 1;
    EXPECT_EQ(ScanInt(u"-", p), 0);
    EXPECT_EQ(p, 2);
}

TEST(ScanInt, WrapsAt32BitsAndReportsIt)
{
    bool overflow = true;
    qsizetype p = 1;
    EXPECT_EQ(ScanInt(u"2147483647", p, &overflow), 2147483647);
    EXPECT_FALSE(overflow);
    p = 1;
    EXPECT_EQ(ScanInt(u"-2147483648", p, &overflow), std::numeric_limits<qint32>::min());
    EXPECT_FALSE(overflow);
    p = 1;
    EXPECT_EQ(ScanInt(u"2147483648", p, &overflow), std::numeric_limits<qint32>::min());
    EXPECT_TRUE(overflow);
    p = 1;
    EXPECT_EQ(ScanInt(u"4294967301", p, &overflow), 5);
    EXPECT_TRUE(overflow);
    p = 1;
    ScanInt(QString(5000, u'9'), p, &overflow);
    EXPECT_TRUE(overflow);
    EXPECT_EQ(p, 5001);
}

TEST(ScanDigits, HexOctBin)
{
    qsizetype p = 1;
    EXPECT_EQ(ScanHex(u"$fF", p), 255);
    EXPECT_EQ(p, 4);
    p = 1;
    bool overflow = true;
    EXPECT_EQ(ScanHex(u"FFFFFFFF", p, &overflow), -1);
    EXPECT_FALSE(overflow);
    p = 1;
    EXPECT_EQ(ScanHex(u"1FFFFFFFF", p, &overflow), -1);
    EXPECT_TRUE(overflow);
    p = 2;
    EXPECT_EQ(ScanHex(u"$$1", p), 0); // "$" is skipped only as the first character
    EXPECT_EQ(p, 2);
    p = 1;
    EXPECT_EQ(ScanHex(u" 1g", p), 1);
    EXPECT_EQ(p, 3);
    p = 1;
    EXPECT_EQ(ScanOct(u"178", p), 15);
    EXPECT_EQ(p, 3);
    p = 1;
    EXPECT_EQ(ScanOct(u"37777777777", p, &overflow), -1);
    EXPECT_FALSE(overflow);
    p = 1;
    EXPECT_EQ(ScanBin(u"1012", p), 5);
    EXPECT_EQ(p, 4);
    p = 1;
    EXPECT_EQ(ScanBin(QString(33, u'1'), p, &overflow), -1);
    EXPECT_TRUE(overflow);
}
