// Separator modes, the number text builders and the conversion of a whole field text.
#include "VEK_NumIO.h"

#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek {

namespace {

// Scientific texts come from Str with a four-digit exponent: "E+0003".
constexpr int StrExponentLength = 5;
constexpr qsizetype ExponentDigitsDropped = 2;

QString FormatScientific(int width, double value)
{
    QString text = StrScientific(value, width + 2);
    const qsizetype e = text.lastIndexOf(u'E');
    if (e < 0 || text.size() - e - 1 != StrExponentLength)
        return text; // NAN, INF
    const bool shortExponent = text[e + 2] == u'0' && text[e + 3] == u'0';
    text.remove(e + 2, ExponentDigitsDropped);
    // Three-digit exponents do not fit the field: the whole text is masked instead.
    if (!shortExponent)
        text.fill(u'*');
    return text;
}

QString FormatDigits(quint32 value, int digits, int maxDigits, int bitsPerDigit)
{
    static constexpr char DigitChars[] = "0123456789ABCDEF";
    const int count = std::clamp(digits, 1, maxDigits);
    const quint32 mask = (1u << bitsPerDigit) - 1;
    QString text(count, u'0');
    for (int i = count - 1; i >= 0; --i) {
        text[i] = QLatin1Char(DigitChars[value & mask]);
        value >>= bitsPerDigit;
    }
    return text;
}

// Converts text after the prefix at start with one of the digit scanners; the digits
// must use up the text and fit in 32 bits.
template <typename Scanner>
bool ConvertDigits(QStringView text, qsizetype start, Scanner scan, double& value)
{
    qsizetype position = start;
    bool overflow = false;
    const qint32 result = scan(text, position, &overflow);
    value = result;
    return position == text.size() + 1 && !overflow;
}

bool ConvertDecimal(QStringView text, bool exponentAllowed, int separatorMode, double& value)
{
    if (exponentAllowed) {
        // A number being typed may end in "e", "e+" or "e-" before its exponent digits.
        const qsizetype e = text.indexOf(u'e');
        const QStringView rest = e >= 0 ? text.mid(e + 1) : QStringView();
        if (e >= 0 && (rest.isEmpty() || rest == u"+" || rest == u"-"))
            text.truncate(e);
    }
    qsizetype position = 1;
    value = ScanFloat(text, exponentAllowed, separatorMode, position);
    return position == text.size() + 1;
}

} // namespace

TSeparatorMode SeparatorModeOf(TDecPSep separator)
{
    switch (separator) {
    case dsPoint: return smPoint;
    case dsComma: return smComma;
    case dsBoth: return smBoth;
    default: return DecimalSeparator() == u',' ? smComma : smPoint;
    }
}

QString FormatReal(int width, int decimals, double value)
{
    return decimals >= 0 ? StrFixed(value, width, decimals) : FormatScientific(width, value);
}

QString FormatHex(quint32 value, int digits)
{
    return FormatDigits(value, digits, 8, 4);
}

QString FormatOct(quint32 value, int digits)
{
    return FormatDigits(value, digits, 11, 3);
}

QString FormatBin(quint32 value, int digits)
{
    return FormatDigits(value, digits, 32, 1);
}

bool ConvertNumString(QStringView text, TInFormat format, int separatorMode, double& value)
{
    if (text.isEmpty())
        return false;
    value = 0;
    while (text.startsWith(u' '))
        text = text.mid(1);
    if (text.contains(u' '))
        return false;
    const QString lower = text.toString().toLower();
    if (lower.isEmpty())
        return true;
    if (format == itDynamic) {
        switch (lower.front().unicode()) {
        case u'$': return ConvertDigits(lower, 2, ScanHex, value);
        case u'%': return ConvertDigits(lower, 2, ScanBin, value);
        case u'&': return ConvertDigits(lower, 2, ScanOct, value);
        default: format = itExp;
        }
    }
    switch (format) {
    case itExp: return ConvertDecimal(lower, true, separatorMode, value);
    case itInt: return ConvertDigits(lower, 1, ScanInt, value);
    case itHex: return ConvertDigits(lower, 1, ScanHex, value);
    case itOct: return ConvertDigits(lower, 1, ScanOct, value);
    case itBin: return ConvertDigits(lower, 1, ScanBin, value);
    default: return ConvertDecimal(lower, false, separatorMode, value);
    }
}

} // namespace vek
