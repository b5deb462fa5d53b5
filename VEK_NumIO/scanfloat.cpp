// ScanFloat and IsValidExpText: one pass over the characters of a number, coded as its
// phases (blanks, sign, integer digits, separator, fraction digits, exponent), that
// gathers the digits into an integer on the way. Numbers as people type them (up to 19
// significant digits, a small decimal exponent) then convert with one exact
// multiplication or division, which rounds as std::from_chars does; the others are
// handed to std::from_chars.
#include "VEK_NumIO.h"
#include "parsing_p.h"

#include <frame/baselib/mathlib.h>

#include <algorithm>
#include <charconv>
#include <iterator>
#include <string_view>

#include <QVarLengthArray>

namespace vek {

namespace {

constexpr int MaxExponent = 4200;
// 10^19 - 1 is the largest run of nines an unsigned 64-bit integer holds.
constexpr int MaxMantissaDigits = 19;
// Integers up to 2^53 and the powers of ten up to 10^22 are exact doubles, so their
// product or quotient is the correctly rounded value of the text.
constexpr quint64 MaxExactMantissa = quint64(1) << 53;
constexpr int MaxExactPower = 22;
constexpr double ExactPowersOfTen[MaxExactPower + 1] = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// What a scan found; the digit runs are 0-based index ranges of the text.
struct ScannedNumber {
    bool negative = false;
    qsizetype integerBegin = 0, integerEnd = 0;
    qsizetype fractionBegin = 0, fractionEnd = 0;
    bool hasExponent = false; // "E" with at least one digit; a bare "E" or "E+" adds nothing
    int exponent = 0;         // the longest prefix of the exponent digits up to 4200, signed
    bool exponentTooLarge = false;
    quint64 mantissa = 0;      // the significant digits, when there are at most 19
    int significantDigits = 0; // digits from the first non-zero one on (any count above
                               // 19 only says there are too many)
};

class NumberScanner {
public:
    // Reads from the 1-based position on.
    NumberScanner(QStringView text, int separatorMode, qsizetype position)
        : FText(text.utf16()), FLength(text.size()), FSeparatorMode(separatorMode),
          FIndex(position - 1)
    {
    }

    // Reads the number; false when it is malformed.
    bool Scan(bool exponentAllowed);
    // The 1-based position of the character that ended the number or made it malformed.
    qsizetype Position() const { return FIndex + 1; }
    const ScannedNumber& Number() const { return FNumber; }

private:
    // Past the end an ordinary character ends the number.
    char16_t At(qsizetype i) const { return i < FLength ? FText[i] : u'Z'; }
    char16_t Next() { return At(++FIndex); }
    static bool IsDigit(char16_t c) { return char16_t(c - u'0') < 10; }
    static bool IsSign(char16_t c) { return c == u'+' || c == u'-'; }
    static bool IsExponentMark(char16_t c) { return c == u'E' || c == u'e'; }
    bool IsSeparator(char16_t c) const
    {
        return (c == u'.' && (FSeparatorMode & smPoint)) ||
               (c == u',' && (FSeparatorMode & smComma));
    }
    // A character with no part in a number ends one after an exponent mark.
    bool IsForeign(char16_t c) const
    {
        return !IsDigit(c) && !IsSign(c) && !IsExponentMark(c) && c != u' ' && !IsSeparator(c);
    }
    void MantissaDigits();
    bool ExponentPart();

    const char16_t* FText;
    qsizetype FLength;
    int FSeparatorMode;
    qsizetype FIndex;
    ScannedNumber FNumber;
};

void NumberScanner::MantissaDigits()
{
    qsizetype i = FIndex;
    if (FNumber.significantDigits == 0) {
        while (i < FLength && FText[i] == u'0')
            ++i; // leading zeros
    }
    const qsizetype first = i;
    // Past 19 digits the mantissa wraps around; the digit count tells it is not used then.
    quint64 mantissa = FNumber.mantissa;
    for (; i < FLength && IsDigit(FText[i]); ++i)
        mantissa = mantissa * 10 + (FText[i] - u'0');
    FNumber.mantissa = mantissa;
    FNumber.significantDigits += int(std::min<qsizetype>(i - first, MaxMantissaDigits + 1));
    FIndex = i;
}

// From the exponent mark on; false when the number is malformed there (a separator,
// blank or second mark after "E", a sign after "E+").
bool NumberScanner::ExponentPart()
{
    char16_t c = Next();
    bool negative = false;
    if (IsSign(c)) {
        negative = c == u'-';
        c = Next();
    }
    if (!IsDigit(c))
        return IsForeign(c);
    // Saturating: the exponent text may be thousands of digits long; digits that would
    // take it above 4200 are skipped.
    int value = 0;
    for (; IsDigit(c); c = Next()) {
        const int next = value * 10 + (c - u'0');
        if (FNumber.exponentTooLarge || next > MaxExponent)
            FNumber.exponentTooLarge = true;
        else
            value = next;
    }
    FNumber.hasExponent = true;
    FNumber.exponent = negative ? -value : value;
    return true;
}

bool NumberScanner::Scan(bool exponentAllowed)
{
    while (At(FIndex) == u' ')
        ++FIndex;
    char16_t c = At(FIndex);
    if (IsSign(c)) {
        FNumber.negative = c == u'-';
        c = Next();
    }
    if (IsDigit(c)) {
        FNumber.integerBegin = FIndex;
        MantissaDigits();
        FNumber.integerEnd = FIndex;
        c = At(FIndex);
    } else if (!IsSeparator(c)) {
        return false; // nothing that starts a number (after the sign)
    }
    if (IsSeparator(c)) {
        FNumber.fractionBegin = ++FIndex;
        MantissaDigits();
        FNumber.fractionEnd = FIndex;
        c = At(FIndex);
        if (IsSeparator(c))
            return false;
    }
    if (IsExponentMark(c) && exponentAllowed)
        return ExponentPart();
    return true;
}

// Whether the digits of text (before any exponent) put the number above 1: the decimal
// magnitude of the first non-zero digit plus the exponent. Decides between overflow and
// underflow when the conversion leaves the double range.
bool AboveOne(std::string_view text)
{
    const size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    int exponent = 0;
    if (e != std::string_view::npos)
        std::from_chars(text.data() + e + 1, text.data() + text.size(), exponent);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos)
        return false;
    const auto magnitude = first < point ? static_cast<long long>(point - first)
                                         : -static_cast<long long>(first - point - 1);
    return magnitude + exponent > 0;
}

bool ExactMagnitude(const ScannedNumber& number, double& magnitude)
{
    if (number.significantDigits > MaxMantissaDigits || number.mantissa > MaxExactMantissa)
        return false;
    const qsizetype power = number.exponent - (number.fractionEnd - number.fractionBegin);
    if (power < -MaxExactPower || power > MaxExactPower)
        return false;
    const double mantissa = double(number.mantissa);
    magnitude = power < 0 ? mantissa / ExactPowersOfTen[-power] : mantissa * ExactPowersOfTen[power];
    return true;
}

// The digits as ASCII text for std::from_chars; far outside the double range the
// magnitude of the digits decides between the largest double and 0.
double ConvertedMagnitude(const ScannedNumber& number, QStringView text)
{
    QVarLengthArray<char, 64> ascii; // on the stack unless the text is long
    const auto appendDigits = [&](qsizetype begin, qsizetype end) {
        for (qsizetype i = begin; i < end; ++i)
            ascii.append(char(text[i].unicode()));
    };
    appendDigits(number.integerBegin, number.integerEnd);
    if (number.fractionEnd > number.fractionBegin) {
        ascii.append('.');
        appendDigits(number.fractionBegin, number.fractionEnd);
    }
    if (number.hasExponent) {
        char exponent[8] = {'E'}; // "E-4200" at most
        const char* end = std::to_chars(exponent + 1, std::end(exponent), number.exponent).ptr;
        ascii.append(exponent, end - exponent);
    }
    const std::string_view digits(ascii.data(), ascii.size());
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(),
                                              value, std::chars_format::general);
    if (error != std::errc())
        return AboveOne(digits) ? uc_MaxDouble : 0.0;
    return value;
}

double ValueOf(const ScannedNumber& number, QStringView text)
{
    double magnitude = 0; // no digit but zeros (or none at all: ".")
    if (number.significantDigits > 0 && !ExactMagnitude(number, magnitude))
        magnitude = ConvertedMagnitude(number, text);
    return number.negative ? -magnitude : magnitude;
}

} // namespace

namespace parsing {

qsizetype ClampPosition(QStringView text, qsizetype position)
{
    return std::clamp<qsizetype>(position, 1, text.size() + 1);
}

} // namespace parsing

double ScanFloat(QStringView text, bool exponentAllowed, int separatorMode, qsizetype& position)
{
    NumberScanner scanner(text, separatorMode, parsing::ClampPosition(text, position));
    const bool complete = scanner.Scan(exponentAllowed);
    position = scanner.Position();
    return complete ? ValueOf(scanner.Number(), text) : 0.0;
}

bool IsValidExpText(QStringView text, bool exponentAllowed, TDecPSep separator)
{
    if (text.isEmpty())
        return false;
    NumberScanner scanner(text, SeparatorModeOf(separator), 1);
    // The number must end at the end of the text, not at a character inside it.
    return scanner.Scan(exponentAllowed) && !scanner.Number().exponentTooLarge &&
           scanner.Position() == text.size() + 1;
}

} // namespace vek
