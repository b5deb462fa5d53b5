#include "rtl.h"

#include <cmath>
#include <limits>

namespace vek {

namespace {

// 2^63 as a double: the first value above the qint64 range (the range's lower end,
// -2^63, is exactly representable and fits).
constexpr double Int64Limit = 9223372036854775808.0;

// An already integral double converted to qint64 with NaN -> 0 and clamping, so that
// no input reaches the undefined float-to-integer conversion.
qint64 ClampToInt64(double integral)
{
    if (std::isnan(integral))
        return 0;
    if (integral >= Int64Limit)
        return std::numeric_limits<qint64>::max();
    if (integral < -Int64Limit)
        return std::numeric_limits<qint64>::min();
    return static_cast<qint64>(integral);
}

} // namespace

qint64 Round(double x)
{
    // Ties are resolved explicitly rather than through nearbyint, whose result depends
    // on the floating-point rounding mode that any plug-in may have changed.
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5)
        r = 2.0 * std::round(x / 2.0);
    return ClampToInt64(r);
}

qint64 Trunc(double x)
{
    return ClampToInt64(std::trunc(x));
}

double Int(double x)
{
    return std::trunc(x);
}

double Frac(double x)
{
    return x - std::trunc(x);
}

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const qint64 product = qint64(a) * b;
    qint64 quotient = product / c;
    const qint64 remainder = product % c;
    // |remainder| < |c| <= 2^31, so doubling it cannot overflow.
    if (2 * std::abs(remainder) >= std::abs(qint64(c)))
        quotient += ((product < 0) == (c < 0)) ? 1 : -1;
    if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max())
        return -1;
    return int(quotient);
}

} // namespace vek
