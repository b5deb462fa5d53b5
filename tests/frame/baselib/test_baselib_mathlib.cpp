#include <frame/baselib/mathlib.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vek;

TEST(MathConstants, Values)
{
    EXPECT_EQ(uc_MaxDouble, 1.7976931348623157e308);
    EXPECT_TRUE(std::isinf(std::nextafter(uc_MaxDouble, INFINITY)));
    EXPECT_EQ(float(uc_MaxReal), std::numeric_limits<float>::max());
    EXPECT_DOUBLE_EQ(uc_ln10, std::log(10.0));
}

TEST(IsValidDecInt, AcceptsSignedDigitsWithSurroundingBlanks)
{
    for (const char* text : {"0", "-0", "+7", " 42 ", "007", "  -1", "2147483647",
                             "-2147483648", "+2147483647", "-000000000002147483648"})
        EXPECT_TRUE(IsValidDecInt(text)) << text;
}

TEST(IsValidDecInt, RejectsEverythingElse)
{
    for (const char* text : {"", " ", "+", "-", "+ 1", "- 1", "1 2", "--1", "1-", "1.0",
                             "1e3", "0x1F", "\t1", "1\n", "abc", "2147483648", "-2147483649",
                             "99999999999999999999999"})
        EXPECT_FALSE(IsValidDecInt(text)) << text;
    EXPECT_FALSE(IsValidDecInt(QString::fromUtf8("١٢")));  // Arabic-Indic digits
    EXPECT_FALSE(IsValidDecInt(QString::fromUtf8("１２"))); // full-width digits
}

TEST(IntNeg, FloorsTowardMinusInfinity)
{
    EXPECT_EQ(IntNeg(2.7), 2);
    EXPECT_EQ(IntNeg(-2.3), -3);
    EXPECT_EQ(IntNeg(-0.5), -1);
    EXPECT_EQ(IntNeg(5.0), 5);
    EXPECT_EQ(IntNeg(-5.0), -5);
    EXPECT_EQ(IntNeg(-0.0), 0);
    EXPECT_EQ(IntNeg(-1e-300), -1);
}

TEST(IntNeg, ClampsToIntRange)
{
    constexpr int lo = std::numeric_limits<int>::min();
    constexpr int hi = std::numeric_limits<int>::max();
    EXPECT_EQ(IntNeg(2147483647.5), hi);
    EXPECT_EQ(IntNeg(-2147483648.5), lo);
    EXPECT_EQ(IntNeg(1e10), hi);
    EXPECT_EQ(IntNeg(-1e10), lo);
    EXPECT_EQ(IntNeg(INFINITY), hi);
    EXPECT_EQ(IntNeg(-INFINITY), lo);
    EXPECT_EQ(IntNeg(std::nan("")), 0);
}
