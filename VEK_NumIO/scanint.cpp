// The integer scanners: decimal with sign, and the digit strings of base 16, 8 and 2.
#include "VEK_NumIO.h"
#include "parsing_p.h"

namespace vek {

namespace {

// The value of c as a digit of base (upper and lower case alike), or -1.
int DigitValue(char16_t c, int base)
{
    int digit = -1;
    if (c >= u'0' && c <= u'9')
        digit = c - u'0';
    else if (c >= u'A' && c <= u'F')
        digit = c - u'A' + 10;
    else if (c >= u'a' && c <= u'f')
        digit = c - u'a' + 10;
    return digit < base ? digit : -1;
}

void SkipBlanks(QStringView text, qsizetype& position)
{
    while (position <= text.size() && text[position - 1] == u' ')
        ++position;
}

// Accumulates digits of base from position in 32 bits (wrapping) and stops on the first
// other character. magnitude keeps the unwrapped value, saturated above 2^32, so callers
// can tell whether the digits fitted.
quint32 AccumulateDigits(QStringView text, qsizetype& position, int base, quint64& magnitude)
{
    constexpr quint64 Saturated = quint64(1) << 33;
    quint32 value = 0;
    magnitude = 0;
    for (; position <= text.size(); ++position) {
        const int digit = DigitValue(text[position - 1].unicode(), base);
        if (digit < 0)
            break;
        value = value * quint32(base) + quint32(digit);
        magnitude = std::min(magnitude * quint64(base) + quint64(digit), Saturated);
    }
    return value;
}

qint32 ScanDigits(QStringView text, qsizetype& position, int base, bool* overflow)
{
    position = parsing::ClampPosition(text, position);
    SkipBlanks(text, position);
    quint64 magnitude = 0;
    const quint32 value = AccumulateDigits(text, position, base, magnitude);
    if (overflow)
        *overflow = magnitude > 0xFFFFFFFFu;
    return qint32(value);
}

} // namespace

qint32 ScanInt(QStringView text, qsizetype& position, bool* overflow)
{
    position = parsing::ClampPosition(text, position);
    SkipBlanks(text, position);
    bool negative = false;
    if (position <= text.size() && (text[position - 1] == u'+' || text[position - 1] == u'-')) {
        negative = text[position - 1] == u'-';
        ++position;
    }
    quint64 magnitude = 0;
    const quint32 value = AccumulateDigits(text, position, 10, magnitude);
    if (overflow)
        *overflow = magnitude > quint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
    return qint32(negative ? 0u - value : value);
}

qint32 ScanHex(QStringView text, qsizetype& position, bool* overflow)
{
    // "$" is the usual hex prefix; it is skipped only as the text's first character.
    if (position <= 1 && text.startsWith(u'$'))
        position = 2;
    return ScanDigits(text, position, 16, overflow);
}

qint32 ScanOct(QStringView text, qsizetype& position, bool* overflow)
{
    return ScanDigits(text, position, 8, overflow);
}

qint32 ScanBin(QStringView text, qsizetype& position, bool* overflow)
{
    return ScanDigits(text, position, 2, overflow);
}

} // namespace vek
