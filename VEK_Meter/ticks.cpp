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

// Above 2^52 consecutive doubles are more than one apart: tick indices stop being exact.
constexpr double ExactIndexLimit = 4503599627370496.0;

// The first tick is the first multiple of the step not below min - 0.1 % of a step.
// Counting starts one step below min / step truncated, at most two steps short of it.
void PlaceFirst(double min, TickStep& ticks)
{
    const double sign = ticks.step > 0 ? 1.0 : -1.0;
    const double tolerance = 0.001 * std::fabs(ticks.step);
    auto belowMin = [&](double tick) { return (min - tick) * sign > tolerance; };
    const double start = Int(min / ticks.step) - 1;
    if (std::fabs(start) < ExactIndexLimit) {
        double k = start;
        for (int i = 0; i < 4 && belowMin(k * ticks.step); ++i)
            ++k;
        ticks.firstIndex = k;
        ticks.first = k * ticks.step;
        return;
    }
    // A step too fine to count from zero at min's magnitude (a scale from 1e300 to the
    // next double): walk from min's neighbourhood instead; zero is far away there.
    ticks.firstIndex = std::nan("");
    double first = start * ticks.step;
    for (int i = 0; i < 4 && belowMin(first); ++i)
        first += ticks.step;
    ticks.first = belowMin(first) ? min : first;
}

// A tick counted from a first tick that is not itself counted from zero lands beside
// zero by the rounding of the additions.
double SnapToZero(double value, double step)
{
    return std::fabs(value) < 1e-9 * std::fabs(step) ? 0.0 : value;
}

} // namespace

TickStep CalcTickStep(double min, double max, int wanted)
{
    TickStep result;
    if (max == min) {
        result.first = min;
        result.firstIndex = std::nan("");
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
    PlaceFirst(min, result);
    return result;
}

double MajorTick(const TickStep& ticks, int i)
{
    if (std::isnan(ticks.firstIndex))
        return SnapToZero(ticks.first + i * ticks.step, ticks.step);
    return (ticks.firstIndex + i) * ticks.step;
}

double MinorTick(const TickStep& ticks, int j)
{
    const int n = ticks.subdivisions;
    if (std::isnan(ticks.firstIndex))
        return SnapToZero(ticks.first - ticks.step + j * (ticks.step / n), ticks.step);
    return ((ticks.firstIndex - 1) * n + j) * ticks.step / n;
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
