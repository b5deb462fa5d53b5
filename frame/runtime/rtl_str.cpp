#include "rtl.h"

#include "rtl_floattext_p.h"

#include <algorithm>
#include <cmath>

namespace vek {

namespace {

// The fixed part of a Str scientific text: sign slot, first digit, ".", "E", exponent
// sign and four exponent digits.
constexpr int ScientificOverhead = 9;
constexpr int ExponentDigits = 4;

} // namespace

QString StrScientific(double value, int width)
{
    if (!std::isfinite(value))
        return floattext::NonFiniteText(value).rightJustified(width);
    const int fractionDigits =
        std::clamp(width - ScientificOverhead, 1, floattext::MaxSignificantDigits - 1);
    const QString text = floattext::ScientificText(value, fractionDigits + 1, QLatin1Char('.'),
                                                   ExponentDigits, true);
    return text.rightJustified(width);
}

QString StrFixed(double value, int width, int decimals)
{
    if (!std::isfinite(value))
        return floattext::NonFiniteText(value).rightJustified(width);
    const int clamped = std::clamp(decimals, 0, floattext::MaxSignificantDigits);
    return floattext::FixedText(value, clamped, QLatin1Char('.')).rightJustified(width);
}

} // namespace vek
