// Rounding and integer scaling routines.
#include <frame/runtime/rtl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace vek;

namespace {

constexpr qint64 Int64Max = std::numeric_limits<qint64>::max();
constexpr qint64 Int64Min = std::numeric_limits<qint64>::min();
constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();

TEST(RtlRound, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(Round(0.5), 0);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-0.5), 0);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(-3.5), -4);
}

TEST(RtlRound, NonTiesGoToTheNearestInteger)
{
    EXPECT_EQ(Round(2.4999999), 2);
    EXPECT_EQ(Round(2.5000001), 3);
    EXPECT_EQ(Round(-2.5000001), -3);
    EXPECT_EQ(Round(4503599627370497.0), 4503599627370497); // 2^52 + 1, already integral
}

TEST(RtlRound, ClampsWhatDoesNotFitAndMapsNaNToZero)
{
    EXPECT_EQ(Round(NaN), 0);
    EXPECT_EQ(Round(Inf), Int64Max);
    EXPECT_EQ(Round(-Inf), Int64Min);
    EXPECT_EQ(Round(1e300), Int64Max);
    EXPECT_EQ(Round(9223372036854775808.0), Int64Max);
    EXPECT_EQ(Round(-9223372036854775808.0), Int64Min);
}

TEST(RtlTrunc, CutsTowardZeroAndClamps)
{
    EXPECT_EQ(Trunc(2.9), 2);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(NaN), 0);
    EXPECT_EQ(Trunc(Inf), Int64Max);
    EXPECT_EQ(Trunc(-1e19), Int64Min);
}

TEST(RtlIntFrac, SplitTowardZeroKeepingTheSign)
{
    EXPECT_EQ(Int(2.75), 2.0);
    EXPECT_EQ(Int(-2.75), -2.0);
    EXPECT_EQ(Frac(2.75), 0.75);
    EXPECT_EQ(Frac(-2.75), -0.75);
    EXPECT_EQ(Int(1e300), 1e300);
    EXPECT_TRUE(std::isnan(Int(NaN)));
    EXPECT_TRUE(std::isnan(Frac(Inf)));
}

TEST(RtlMulDiv, RoundsHalvesAwayFromZeroInEverySignCombination)
{
    EXPECT_EQ(MulDiv(5, 3, 2), 8);
    EXPECT_EQ(MulDiv(-5, 3, 2), -8);
    EXPECT_EQ(MulDiv(5, -3, 2), -8);
    EXPECT_EQ(MulDiv(5, 3, -2), -8);
    EXPECT_EQ(MulDiv(-5, -3, -2), -8);
    EXPECT_EQ(MulDiv(-5, -3, 2), 8);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);
    EXPECT_EQ(MulDiv(8, 1, 3), 3);
    EXPECT_EQ(MulDiv(-8, 1, 3), -3);
}

TEST(RtlMulDiv, GradientBandExamples)
{
    EXPECT_EQ(MulDiv(15, 127, 16), 119);
    EXPECT_EQ(MulDiv(15, 255, 16), 239);
    EXPECT_EQ(MulDiv(1, 121, 16), 8);
    EXPECT_EQ(MulDiv(16, 121, 16), 121);
}

TEST(RtlMulDiv, UsesA64BitProductAndReportsFailureAsMinusOne)
{
    EXPECT_EQ(MulDiv(IntMax, IntMax, IntMax), IntMax);
    EXPECT_EQ(MulDiv(IntMin, 1, 1), IntMin);
    EXPECT_EQ(MulDiv(1, 2, 0), -1);
    EXPECT_EQ(MulDiv(IntMax, 2, 1), -1);
    EXPECT_EQ(MulDiv(IntMin, -1, 1), -1);
}

} // namespace
