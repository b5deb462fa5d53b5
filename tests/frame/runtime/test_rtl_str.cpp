// Fixed-width number texts (Str): scientific form with a four-digit exponent and fixed
// form, both padded to a width.
#include <frame/runtime/rtl.h>

#include "qstring_printer.h"

#include <gtest/gtest.h>

#include <limits>

using namespace vek;

namespace {

TEST(RtlStrScientific, FillsTheWidthExactlyFromWidthTen)
{
    EXPECT_EQ(StrScientific(1234.5, 16), " 1.2345000E+0003");
    EXPECT_EQ(StrScientific(-1234.5, 16), "-1.2345000E+0003");
    EXPECT_EQ(StrScientific(1234.5678, 14), " 1.23457E+0003");
    EXPECT_EQ(StrScientific(1e150, 14), " 1.00000E+0150");
    EXPECT_EQ(StrScientific(1.0 / 3, 22), " 3.3333333333333E-0001");
    EXPECT_EQ(StrScientific(-2.5e-7, 10), "-2.5E-0007");
    for (int width = 10; width <= 26; ++width)
        EXPECT_EQ(StrScientific(1.0 / 7, width).size(), width);
}

TEST(RtlStrScientific, NarrowWidthsKeepOneDecimal)
{
    EXPECT_EQ(StrScientific(1234.5, 3), " 1.2E+0003");
    EXPECT_EQ(StrScientific(-1.25, 0), "-1.3E+0000");
}

TEST(RtlStrScientific, WideWidthsStopAtEighteenDigitsAndPad)
{
    EXPECT_EQ(StrScientific(0.1, 30), "     1.00000000000000006E-0001");
}

TEST(RtlStrScientific, RoundingZeroTinyAndNonFinite)
{
    EXPECT_EQ(StrScientific(9.99996, 12), " 1.000E+0001");
    EXPECT_EQ(StrScientific(0.0, 12), " 0.000E+0000");
    EXPECT_EQ(StrScientific(-0.0, 12), " 0.000E+0000");
    EXPECT_EQ(StrScientific(4.9406564584124654e-324, 14), " 4.94066E-0324");
    EXPECT_EQ(StrScientific(std::numeric_limits<double>::quiet_NaN(), 8), "     NAN");
    EXPECT_EQ(StrScientific(-std::numeric_limits<double>::infinity(), 8), "    -INF");
}

TEST(RtlStrFixed, PadsToWidthAndRoundsHalfAwayFromZero)
{
    EXPECT_EQ(StrFixed(3.14159, 8, 2), "    3.14");
    EXPECT_EQ(StrFixed(-2.5, 1, 0), "-3");
    EXPECT_EQ(StrFixed(0.125, 1, 2), "0.13");
    EXPECT_EQ(StrFixed(1234.5, 3, 1), "1234.5");
    EXPECT_EQ(StrFixed(2.5, 1, -1), "3");
    EXPECT_EQ(StrFixed(-0.001, 6, 2), "  0.00");
    EXPECT_EQ(StrFixed(std::numeric_limits<double>::infinity(), 5, 2), "  INF");
}

} // namespace
