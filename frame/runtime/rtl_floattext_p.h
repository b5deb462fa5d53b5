// Private to the run-time library: the float-to-text layouts shared by Format and the
// Str routines. All of them start from the value correctly rounded to 18 significant
// digits and round that digit text half away from zero, so every routine agrees on how
// a given double prints. Callers handle NaN and infinities (NonFiniteText) first.
#pragma once

#include <QChar>
#include <QString>

namespace vek::floattext {

// The number of significant digits taken from a double; precisions above it add nothing.
constexpr int MaxSignificantDigits = 18;

// "NAN", "INF" or "-INF".
QString NonFiniteText(double value);

// Fixed notation with decimals digits after the separator; "-" only when the rounded
// value is not zero.
QString FixedText(double value, int decimals, QChar separator);

// "d.ddd" with significantDigits digits in all (no separator for one digit), "E", the
// exponent sign and at least exponentDigits exponent digits; "-" in front for negative
// values that do not round to zero, and with signSlot a blank in front of the others.
QString ScientificText(double value, int significantDigits, QChar separator,
                       int exponentDigits, bool signSlot = false);

// The value rounded to significantDigits digits, in fixed notation while the decimal
// point lies from 4 places before the first digit to significantDigits places after it,
// otherwise as "d.dddEn" (exponent without "+" and without leading zeros); trailing
// zeros and a trailing separator are dropped. Zero gives "0".
QString GeneralText(double value, int significantDigits, QChar separator);

} // namespace vek::floattext
