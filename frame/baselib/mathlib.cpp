#include "mathlib.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vek {

namespace {

bool IsAsciiDigit(QChar c)
{
    return c >= QChar('0') && c <= QChar('9');
}

} // namespace

bool IsValidDecInt(const QString& Text)
{
    qsizetype first = 0;
    qsizetype end = Text.size();
    while (first < end && Text.at(first) == QChar(' '))
        ++first;
    while (end > first && Text.at(end - 1) == QChar(' '))
        --end;
    const bool negative = first < end && Text.at(first) == QChar('-');
    if (first < end && (negative || Text.at(first) == QChar('+')))
        ++first;
    if (first == end)
        return false;

    // The magnitude of INT_MIN is the largest that fits; accumulation saturates just above
    // it, so arbitrarily long digit strings cannot overflow the accumulator.
    constexpr qint64 limitMagnitude = qint64(std::numeric_limits<int>::max()) + 1;
    constexpr qint64 tooLarge = limitMagnitude + 1;
    qint64 magnitude = 0;
    for (qsizetype i = first; i < end; ++i) {
        if (!IsAsciiDigit(Text.at(i)))
            return false;
        magnitude = std::min(magnitude * 10 + Text.at(i).digitValue(), tooLarge);
    }
    return negative ? magnitude <= limitMagnitude : magnitude < limitMagnitude;
}

int IntNeg(double Value)
{
    if (std::isnan(Value))
        return 0;
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return int(std::clamp(std::floor(Value), lowest, highest));
}

} // namespace vek
