// Numeric constants and small integer helpers of the math services.
#pragma once

#include <frame/core/vekglobal.h>

#include <QString>

#include <limits>
#include <numbers>

namespace vek {

/// Largest finite double (1.7976931348623157e308); numeric scanners clamp to +/- this.
inline constexpr double uc_MaxDouble = std::numeric_limits<double>::max();

/// Largest finite single-precision value (about 3.4028235e38), as a double.
inline constexpr double uc_MaxReal = double(std::numeric_limits<float>::max());

/// Natural logarithm of 10, for converting between ln and log10.
inline constexpr double uc_ln10 = std::numbers::ln10;

/// Whether Text is a decimal integer that fits a 32-bit signed int: optional blanks, an
/// optional '+' or '-' directly followed by at least one digit 0-9 (leading zeros allowed),
/// optional blanks. So " -0042 " is valid; "+ 1", "1e3", "0x1F", "2147483648" and "" are not.
VEK_EXPORT bool IsValidDecInt(const QString& Text);

/// The largest integer not greater than Value (floor, so -0.5 gives -1), clamped to the
/// int range; NaN gives 0.
VEK_EXPORT int IntNeg(double Value);

/// a / b rounded down (towards minus infinity, where C++ division truncates towards 0):
/// FloorDiv(-1, 3) is -1. b must not be 0.
constexpr qint64 FloorDiv(qint64 a, qint64 b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

} // namespace vek
