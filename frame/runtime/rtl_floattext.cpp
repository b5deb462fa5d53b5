#include "rtl_floattext_p.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vek::floattext {

namespace {

// Digit characters; a double's 18 digits and their rounding stay on the stack, which
// matters when a table of a million numbers is written as text.
using Digits = QVarLengthArray<char, 32>;

// A finite value as value = d0.d1d2... x 10^exponent. Zero may have any number of zero
// digits.
struct DecimalDigits {
    bool negative = false;
    Digits digits;
    int exponent = 0;

    bool IsZero() const
    {
        return std::all_of(digits.cbegin(), digits.cend(), [](char c) { return c == '0'; });
    }

    // The digit in the 10^power place ('0' outside the stored digits).
    char DigitAt(int power) const
    {
        const int index = exponent - power;
        return index >= 0 && index < int(digits.size()) ? digits[index] : '0';
    }
};

DecimalDigits Zero(bool negative)
{
    DecimalDigits zero{negative, {}, 0};
    zero.digits.append('0');
    return zero;
}

// to_chars is locale-independent and correctly rounded, unlike snprintf, whose decimal
// point follows LC_NUMERIC (which QCoreApplication sets from the environment).
DecimalDigits ToDecimal(double value)
{
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::scientific,
                                   MaxSignificantDigits - 1).ptr;
    DecimalDigits d;
    const char* p = buffer;
    d.negative = *p == '-';
    for (; p != end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.append(*p);
    if (p != end && *++p == '+')
        ++p;
    std::from_chars(p, end, d.exponent);
    return d;
}

// Adds one unit in the last digit; a carry out of the first digit adds a leading place.
void IncrementLastDigit(DecimalDigits& d)
{
    for (auto it = d.digits.rbegin(); it != d.digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    d.digits.insert(d.digits.cbegin(), '1');
    if (d.digits.size() > 1)
        d.digits.pop_back();
    ++d.exponent;
}

// d rounded half away from zero to count significant digits (zero-padded when count
// exceeds the stored digits). With count 0 only a carry into the next higher place can
// survive; below that the result is zero.
DecimalDigits RoundToDigits(const DecimalDigits& d, int count)
{
    if (count < 0)
        return Zero(d.negative);
    DecimalDigits r{d.negative, {}, d.exponent};
    const qsizetype kept = std::min<qsizetype>(count, d.digits.size());
    r.digits.append(d.digits.constData(), kept);
    r.digits.resize(count);
    std::fill(r.digits.begin() + kept, r.digits.end(), '0');
    if (count < d.digits.size() && d.digits[count] >= '5')
        IncrementLastDigit(r);
    if (r.digits.isEmpty())
        return Zero(d.negative);
    return r;
}

bool ShowsMinus(const DecimalDigits& d) { return d.negative && !d.IsZero(); }

// The texts are put together character by character in a buffer on the stack and become
// a QString in one step: copying a table to the clipboard writes a million of them.
using TextBuffer = QVarLengthArray<QChar, 64>;

QString ToQString(const TextBuffer& text) { return QString(text.constData(), text.size()); }

void AppendLatin1(TextBuffer& text, const char* begin, const char* end)
{
    for (; begin != end; ++begin)
        text.append(QLatin1Char(*begin));
}

// Every place from the highest integer place (at least the units) down to 10^-decimals.
void AppendFixed(TextBuffer& text, const DecimalDigits& rounded, int decimals, QChar separator)
{
    for (int power = std::max(rounded.exponent, 0); power >= 0; --power)
        text.append(QLatin1Char(rounded.DigitAt(power)));
    if (decimals > 0) {
        text.append(separator);
        for (int power = -1; power >= -decimals; --power)
            text.append(QLatin1Char(rounded.DigitAt(power)));
    }
}

void AppendMantissa(TextBuffer& text, const Digits& digits, QChar separator)
{
    text.append(QLatin1Char(digits.front()));
    if (digits.size() > 1) {
        text.append(separator);
        AppendLatin1(text, digits.constData() + 1, digits.constData() + digits.size());
    }
}

void AppendExponent(TextBuffer& text, int exponent, bool plusSign, int minDigits)
{
    text.append(QLatin1Char('E'));
    if (exponent < 0)
        text.append(QLatin1Char('-'));
    else if (plusSign)
        text.append(QLatin1Char('+'));
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, std::abs(exponent)).ptr;
    for (auto count = end - digits; count < minDigits; ++count)
        text.append(QLatin1Char('0'));
    AppendLatin1(text, digits, end);
}

Digits WithoutTrailingZeros(Digits digits)
{
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return digits;
}

QString WithoutTrailingZeros(QString fixed, QChar separator)
{
    if (!fixed.contains(separator))
        return fixed;
    while (fixed.endsWith(QLatin1Char('0')))
        fixed.chop(1);
    if (fixed.endsWith(separator))
        fixed.chop(1);
    return fixed;
}

} // namespace

QString NonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString FixedText(double value, int decimals, QChar separator)
{
    const DecimalDigits d = ToDecimal(value);
    const DecimalDigits rounded = RoundToDigits(d, d.exponent + 1 + decimals);
    TextBuffer text;
    if (ShowsMinus(rounded))
        text.append(QLatin1Char('-'));
    AppendFixed(text, rounded, decimals, separator);
    return ToQString(text);
}

QString ScientificText(double value, int significantDigits, QChar separator,
                       int exponentDigits, bool signSlot)
{
    const DecimalDigits rounded = RoundToDigits(ToDecimal(value), significantDigits);
    TextBuffer text;
    if (ShowsMinus(rounded))
        text.append(QLatin1Char('-'));
    else if (signSlot)
        text.append(QLatin1Char(' '));
    AppendMantissa(text, rounded.digits, separator);
    AppendExponent(text, rounded.exponent, true, exponentDigits);
    return ToQString(text);
}

QString GeneralText(double value, int significantDigits, QChar separator)
{
    const DecimalDigits rounded = RoundToDigits(ToDecimal(value), significantDigits);
    if (rounded.IsZero())
        return QStringLiteral("0");
    const QString sign = rounded.negative ? QStringLiteral("-") : QString();
    TextBuffer text;
    const int pointPosition = rounded.exponent + 1;
    if (pointPosition >= -4 && pointPosition <= significantDigits) {
        AppendFixed(text, rounded, significantDigits - pointPosition, separator);
        return sign + WithoutTrailingZeros(ToQString(text), separator);
    }
    AppendMantissa(text, WithoutTrailingZeros(rounded.digits), separator);
    AppendExponent(text, rounded.exponent, false, 1);
    return sign + ToQString(text);
}

} // namespace vek::floattext
