#include "strutils.h"

#include "files.h"

#include <QDir>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace vek {

namespace {

// Enough decimals to show every significant digit of the smallest double (5e-324); the
// cap keeps absurd requests from overflowing the digit arithmetic.
constexpr int kMaxDecimals = 350;

// A non-negative decimal number 0.d1d2d3... x 10^pointPos, held as its digit text so that
// rounding works on the decimal digits the user sees rather than on the binary value.
struct DecimalDigits {
    std::string digits;
    int pointPos = 0;
};

// The shortest digit text that reads back as the same double.
DecimalDigits ShortestDecimal(double magnitude)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific);
    const std::string_view text(buffer, size_t(result.ptr - buffer)); // "d.ddde+XX"
    const size_t ePos = text.find('e');
    DecimalDigits number;
    for (char c : text.substr(0, ePos))
        if (c != '.')
            number.digits += c;
    int exponent = 0;
    const std::string_view exponentText = text.substr(ePos + 1);
    const bool negativeExponent = exponentText.front() == '-';
    std::from_chars(exponentText.data() + 1, exponentText.data() + exponentText.size(),
                    exponent);
    number.pointPos = (negativeExponent ? -exponent : exponent) + 1;
    return number;
}

// Adds one unit in the last digit, growing the number when the carry runs off the front.
void IncrementLastDigit(DecimalDigits& number)
{
    for (auto it = number.digits.rbegin(); it != number.digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    number.digits.insert(number.digits.begin(), '1');
    ++number.pointPos;
}

// Keeps `decimals` digits after the point, rounding half away from zero.
void RoundToDecimals(DecimalDigits& number, int decimals)
{
    const int keep = number.pointPos + decimals;
    if (keep >= int(number.digits.size()))
        return;
    if (keep < 0) {
        number.digits.clear();
        return;
    }
    const bool roundUp = number.digits[size_t(keep)] >= '5';
    number.digits.resize(size_t(keep));
    if (roundUp)
        IncrementLastDigit(number);
}

bool IsZero(const DecimalDigits& number)
{
    return std::all_of(number.digits.begin(), number.digits.end(),
                       [](char c) { return c == '0'; });
}

QString FixedPointText(const DecimalDigits& number, int decimals)
{
    const auto digitAt = [&number](int i) {
        return i >= 0 && i < int(number.digits.size()) ? QChar(number.digits[size_t(i)])
                                                       : QChar('0');
    };
    QString text;
    if (number.pointPos <= 0)
        text += QChar('0');
    for (int i = 0; i < number.pointPos; ++i)
        text += digitAt(i);
    if (decimals > 0) {
        text += QChar('.');
        for (int i = number.pointPos; i < number.pointPos + decimals; ++i)
            text += digitAt(i);
    }
    return text;
}

QString NonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString strff(double Value, int Width, int Decimals)
{
    QString text;
    if (!std::isfinite(Value)) {
        text = NonFiniteText(Value);
    } else {
        const int decimals = std::clamp(Decimals, 0, kMaxDecimals);
        DecimalDigits number = ShortestDecimal(std::fabs(Value));
        RoundToDecimals(number, decimals);
        text = FixedPointText(number, decimals);
        if (std::signbit(Value) && !IsZero(number))
            text.prepend(QChar('-'));
    }
    return text.rightJustified(std::max(Width, 0));
}

int Tokenize(const QString& Text, QChar Delimiter, QStringList& Items)
{
    Items = Text.isEmpty() ? QStringList() : Text.split(Delimiter, Qt::KeepEmptyParts);
    return int(Items.size());
}

int NumberedPos(const QString& Sub, const QString& Text, int Start, int Nth,
                TNumberedPosMode Flag)
{
    if (Sub.isEmpty() || Nth < 1)
        return 0;
    const auto sensitivity = Flag == npIgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
    qsizetype from = std::max(Start, 1) - 1;
    for (int found = 0;;) {
        const qsizetype pos = Text.indexOf(Sub, from, sensitivity);
        if (pos < 0)
            return 0;
        if (++found == Nth)
            return int(pos) + 1;
        from = pos + 1;
    }
}

QString LeftString(const QString& Text, int Count)
{
    if (Count <= 0)
        return {};
    qsizetype cut = std::min<qsizetype>(Count, Text.size());
    const bool splitsPair = cut < Text.size() && Text.at(cut - 1).isHighSurrogate()
                            && Text.at(cut).isLowSurrogate();
    if (splitsPair)
        --cut;
    return Text.left(cut).leftJustified(Count);
}

QString EnsureTrailingChar(QChar c, const QString& Text)
{
    return Text.endsWith(c) ? Text : Text + c;
}

QString EnsureTrailingBkSlash(const QString& Path)
{
    return !Path.isEmpty() && IsDirSeparator(Path.back()) ? Path : Path + QDir::separator();
}

QString StripLeadingChars(QChar c, const QString& Text)
{
    qsizetype first = 0;
    while (first < Text.size() && Text.at(first) == c)
        ++first;
    return Text.mid(first);
}

QString StripTrailingChars(QChar c, const QString& Text)
{
    qsizetype end = Text.size();
    while (end > 0 && Text.at(end - 1) == c)
        --end;
    return Text.left(end);
}

QString ReplaceCharInString(const QString& Text, QChar OldChar, QChar NewChar)
{
    QString result = Text;
    return result.replace(OldChar, NewChar);
}

QString RemoveControlChars(const QString& Text)
{
    QString result = Text;
    return result.removeIf([](QChar c) { return c.unicode() < 32 || c.unicode() == 127; });
}

} // namespace vek
