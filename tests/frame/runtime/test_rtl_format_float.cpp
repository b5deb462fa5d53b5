// Format's float conversions: rounding on the 18-digit decimal image, the three
// notations and their boundaries, separators and non-finite values.
#include <frame/runtime/rtl.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <limits>

using namespace vek;

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();
constexpr double Denormal = 4.9406564584124654e-324;

TEST(RtlFormatFixed, RoundsTheDecimalImageHalfAwayFromZero)
{
    EXPECT_EQ(Format("%.2f", {0.125}), "0.13");     // printf would give 0.12
    EXPECT_EQ(Format("%.2f", {2.675}), "2.67");     // binary 2.67499999999999982...
    EXPECT_EQ(Format("%.2f", {-0.125}), "-0.13");
    EXPECT_EQ(Format("%.0f", {2.5}), "3");
    EXPECT_EQ(Format("%.0f", {0.5}), "1");
    EXPECT_EQ(Format("%.0f", {0.49}), "0");
    EXPECT_EQ(Format("%.0f", {99.5}), "100");
    EXPECT_EQ(Format("%.1f", {0.05}), "0.1");
    EXPECT_EQ(Format("%.2f", {0.004}), "0.00");
    EXPECT_EQ(Format("%.2f", {0.005}), "0.01");
}

TEST(RtlFormatFixed, DefaultsToTwoDecimalsAndDropsTheSignOfZero)
{
    EXPECT_EQ(Format("%f", {3.14159}), "3.14");
    EXPECT_EQ(Format("%.f", {3.7}), "4");
    EXPECT_EQ(Format("%.2f", {-0.001}), "0.00");
    EXPECT_EQ(Format("%.2f", {-0.0}), "0.00");
    EXPECT_EQ(Format("%.3f", {-12.0}), "-12.000");
}

TEST(RtlFormatFixed, LargeAndTinyValues)
{
    EXPECT_EQ(Format("%.1f", {1e20}), "100000000000000000000.0");
    const QString huge = Format("%.0f", {1e300});
    EXPECT_EQ(huge.size(), 301);
    EXPECT_TRUE(huge.startsWith("100000000000000005000")); // 18 digits, then zeros
    EXPECT_EQ(Format("%.4f", {1e-300}), "0.0000");
    EXPECT_EQ(Format("%.2f", {Denormal}), "0.00");
}

TEST(RtlFormatScientific, SignificantDigitsAndThreeDigitExponent)
{
    EXPECT_EQ(Format("%.3e", {1234.5}), "1.23E+003");
    EXPECT_EQ(Format("%.4e", {-0.000123456}), "-1.235E-004");
    EXPECT_EQ(Format("%e", {1234.5}), "1.23450000000000E+003");
    EXPECT_EQ(Format("%.1e", {9.5}), "1E+001");
    EXPECT_EQ(Format("%.0e", {123.0}), "1E+002");
    EXPECT_EQ(Format("%.3e", {9.9996}), "1.00E+001");
    EXPECT_EQ(Format("%.3e", {0.0}), "0.00E+000");
    EXPECT_EQ(Format("%.3e", {-0.0}), "0.00E+000");
}

TEST(RtlFormatScientific, ExtremeExponents)
{
    EXPECT_EQ(Format("%.2e", {1e300}), "1.0E+300");
    EXPECT_EQ(Format("%.3e", {1e-300}), "1.00E-300");
    EXPECT_EQ(Format("%.3e", {Denormal}), "4.94E-324");
    EXPECT_EQ(Format("%.25e", {1.0 / 3}), "3.33333333333333315E-001"); // capped at 18 digits
}

TEST(RtlFormatGeneral, ShortestFixedTextWithoutTrailingZeros)
{
    EXPECT_EQ(Format("%g", {0.1 + 0.2}), "0.3");
    EXPECT_EQ(Format("%g", {-1234.5}), "-1234.5");
    EXPECT_EQ(Format("%g", {100.0}), "100");
    EXPECT_EQ(Format("%g", {1.0 / 3}), "0.333333333333333");
    EXPECT_EQ(Format("%g", {2.0 / 3}), "0.666666666666667");
    EXPECT_EQ(Format("%.3g", {2.0004}), "2");
    EXPECT_EQ(Format("%.0g", {2.5}), "3");
    EXPECT_EQ(Format("%g", {0.0}), "0");
    EXPECT_EQ(Format("%g", {-0.0}), "0");
    EXPECT_EQ(Format("%.2g", {-0.001}), "-0.001");
}

TEST(RtlFormatGeneral, SwitchesToScientificAtTheBoundaries)
{
    EXPECT_EQ(Format("%g", {0.00001}), "0.00001");
    EXPECT_EQ(Format("%g", {0.000009}), "9E-6");
    EXPECT_EQ(Format("%.5g", {12345.0}), "12345");
    EXPECT_EQ(Format("%.5g", {123456.0}), "1.2346E5");
    EXPECT_EQ(Format("%.5g", {99999.5}), "1E5");     // rounding adds the sixth digit
    EXPECT_EQ(Format("%g", {999999999999999.0}), "999999999999999");
    EXPECT_EQ(Format("%g", {1e15}), "1E15");
    EXPECT_EQ(Format("%g", {1e20}), "1E20");
    EXPECT_EQ(Format("%g", {1.5e-10}), "1.5E-10");
    EXPECT_EQ(Format("%g", {-1.5e-10}), "-1.5E-10");
}

TEST(RtlFormatGeneral, ExtremeExponents)
{
    EXPECT_EQ(Format("%g", {1e300}), "1E300");
    EXPECT_EQ(Format("%g", {1e-300}), "1E-300");
    EXPECT_EQ(Format("%g", {Denormal}), "4.94065645841247E-324");
    EXPECT_EQ(Format("%g", {std::numeric_limits<double>::max()}), "1.79769313486232E308");
}

TEST(RtlFormatFloat, NonFiniteValuesInEveryConversion)
{
    EXPECT_EQ(Format("%f", {NaN}), "NAN");
    EXPECT_EQ(Format("%.3e", {Inf}), "INF");
    EXPECT_EQ(Format("%g", {-Inf}), "-INF");
    EXPECT_EQ(Format("[%6.2f]", {Inf}), "[   INF]");
}

TEST(RtlFormatFloat, WidthPadsOnEitherSide)
{
    EXPECT_EQ(Format("[%8.2f]", {3.14159}), "[    3.14]");
    EXPECT_EQ(Format("[%-8.2f]", {3.14159}), "[3.14    ]");
    EXPECT_EQ(Format("[%*.*f]", {-8, 2, 3.14159}), "[3.14    ]");
    EXPECT_EQ(Format("[%1.3e]", {1234.5}), "[1.23E+003]");
}

TEST(RtlFormatFloat, WritesTheRequestedOrCurrentDecimalSeparator)
{
    EXPECT_EQ(Format("%.2f", {1.5}, QLatin1Char(',')), "1,50");
    EXPECT_EQ(Format("%g", {1.5e-10}, QLatin1Char(',')), "1,5E-10");
    EXPECT_EQ(Format("%.3e", {1234.5}, QLatin1Char(',')), "1,23E+003");

    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString german = Format("%.2f", {1.5});
    QLocale::setDefault(previous);
    EXPECT_EQ(german, "1,50");
    EXPECT_EQ(Format("%.2f", {1.5}), "1.50");
}

TEST(RtlLocale, SeparatorsFollowTheDefaultLocale)
{
    EXPECT_EQ(DecimalSeparator(), QLatin1Char('.'));
    EXPECT_EQ(ThousandSeparator(), QLatin1Char(','));
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QChar decimal = DecimalSeparator();
    const QChar thousand = ThousandSeparator();
    QLocale::setDefault(previous);
    EXPECT_EQ(decimal, QLatin1Char(','));
    EXPECT_EQ(thousand, QLatin1Char('.'));
}

} // namespace
