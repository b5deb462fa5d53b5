#include "ticks.h"

#include <frame/runtime/rtl.h>
#include <frame/baselib/strutils.h>

#include <cmath>

namespace vek::meter {

namespace {

// Mantissa and exponent choice: a g within 1e-10 of an integer counts as that integer,
// so that exact powers of ten are not pushed into the next mantissa by rounding noise.
void SplitLog(double g, double& k, double& h)
{
    const double fraction = std::fabs(g - std::trunc(g));
    if (fraction < 1e-10 || fraction > 0.9999999999) {
        k = std::round(g);
        h = 0;
        return;
    }
    k = std::floor(g);
    h = g - k;
}

// log10(|max - min| / wanted) without overflowing when the span exceeds the double range.
double LogOfRawStep(double min, double max, int wanted)
{
    const double span = std::fabs(max - min);
    if (std::isfinite(span))
        return std::log(span / wanted) / std::log(10.0);
    return std::log(std::fabs(max / 2 - min / 2) / wanted) / std::log(10.0) + std::log10(2.0);
}

QString Scientific(double value, int decimals)
{
    int exponent = int(std::floor(std::log10(std::fabs(value))));
    QString mantissa = strff(value / std::pow(10.0, exponent), 1, decimals);
    if (mantissa.startsWith(QLatin1String("10")) || mantissa.startsWith(QLatin1String("-10"))) {
        ++exponent; // the mantissa rounded up to the next power of ten
        mantissa = strff(value / std::pow(10.0, exponent), 1, decimals);
    }
    return mantissa + QLatin1Char('e') + QString::number(exponent);
}

} // namespace

TickStep CalcTickStep(double min, double max, int wanted)
{
    TickStep result;
    if (max == min) {
        result.first = min;
        return result;
    }
    const double sign = max > min ? 1.0 : -1.0;
    double k = 0;
    double h = 0;
    SplitLog(LogOfRawStep(min, max, wanted), k, h);
    const double power = std::pow(10.0, k);
    if (h < std::log10(2.0) + 1e-10) {
        result.step = power;
        result.subdivisions = 5;
    } else if (h < std::log10(5.0) + 1e-10) {
        result.step = 2 * power;
        result.subdivisions = 4;
    } else {
        result.step = 5 * power;
        result.subdivisions = 5;
    }
    result.step *= sign;

    // Start one step below min and walk up; the walk is short unless the step is too
    // fine to move a value of min's magnitude, which the bound catches.
    double first = (Int(min / result.step) - 1) * result.step;
    for (int i = 0; i < 4 && (min - first) * sign > 0.001 * std::fabs(result.step); ++i)
        first += result.step;
    if ((min - first) * sign > 0.001 * std::fabs(result.step))
        first = min;
    result.first = first;
    return result;
}

QString TickLabel(double value, int decimals)
{
    if (value == 0)
        return strff(0.0, 1, decimals);
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e15 || magnitude < 0.5 * std::pow(10.0, -decimals))
        return Scientific(value, decimals);
    return strff(value, 1, decimals);
}

double FirstDecade(double min)
{
    return std::pow(10.0, std::floor(std::log10(0.999999999 * min)));
}

int DecadeCount(double min, double max)
{
    return std::max(1, int(std::ceil(std::log10(max) - std::log10(min) - 1e-9)));
}

} // namespace vek::meter
