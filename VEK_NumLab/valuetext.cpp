#include "valuetext.h"

#include <frame/runtime/rtl.h>

#include <QStringList>

#include <array>
#include <cmath>

namespace vek::numlab {

namespace {

constexpr QChar Degree(0x00B0);

QString Digits(double value, int base, int minDigits)
{
    const qint64 n = Round(value);
    const quint64 magnitude = n < 0 ? 0 - quint64(n) : quint64(n);
    QString digits = QString::number(magnitude, base).toUpper();
    digits = digits.rightJustified(std::max(1, minDigits), QLatin1Char('0'));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

QString Fixed(double value, int decimals)
{
    return Format(QStringLiteral("%*.*f"), {1, decimals, value});
}

// Degrees with minutes (and seconds). The value is rounded once in its smallest unit,
// so 59.999' with two decimals shows as the next degree, never as 60.00'.
QString Sexagesimal(double value, int decimals, bool withSeconds)
{
    const double scale = std::pow(10.0, decimals);
    const double unitsPerDegree = withSeconds ? 3600.0 : 60.0;
    const double total = std::round(std::fabs(value) * unitsPerDegree * scale) / scale;
    if (!std::isfinite(total))
        return Fixed(value, decimals); // "NAN", "INF", as the other display types write them
    const double degrees = std::floor(total / unitsPerDegree);
    double rest = total - degrees * unitsPerDegree;
    // Beyond 2^53 units no fraction of a degree is left, and the difference above is a
    // rounding error of any size.
    if (!(rest >= 0 && rest < unitsPerDegree))
        rest = 0;
    QString text = (value < 0 ? QStringLiteral("-") : QString()) +
                   QString::number(degrees, 'f', 0) + Degree;
    if (withSeconds) {
        const double minutes = std::floor(rest / 60.0);
        rest -= minutes * 60.0;
        text += QString::number(int(minutes)).rightJustified(2, QLatin1Char('0')) +
                QLatin1Char('\'');
    }
    const int width = decimals > 0 ? decimals + 3 : 2; // two digits before the point
    text += Fixed(std::max(0.0, rest), decimals).rightJustified(width, QLatin1Char('0'));
    return text + (withSeconds ? QLatin1Char('"') : QLatin1Char('\''));
}

// Engineering notation with the SI prefix letters from femto to exa. With the letter
// in place of the point, values without a prefix use "R" (as on component markings).
QString Engineering(double value, int decimals, bool letterAsPoint)
{
    static constexpr std::array<const char*, 13> prefixes{
        "f", "p", "n", "\u00B5", "m", "", "k", "M", "G", "T", "P", "E", ""};
    if (value == 0 || !std::isfinite(value))
        return letterAsPoint ? Fixed(value, decimals).replace(QLatin1Char('.'), QLatin1Char('R'))
                             : Fixed(value, decimals);
    int exponent = int(std::floor(std::log10(std::fabs(value)) / 3.0)) * 3;
    double mantissa = value / std::pow(10.0, exponent);
    // Rounding may reach 1000 (999.996 with two decimals): move to the next prefix.
    if (std::fabs(std::round(mantissa * std::pow(10.0, decimals))) >= 1000 * std::pow(10.0, decimals)) {
        exponent += 3;
        mantissa /= 1000;
    }
    const int index = exponent / 3 + 5;
    if (index < 0 || index > 11)
        return Format(QStringLiteral("%*.*e"), {1, decimals + 1, value});
    QString prefix = QString::fromUtf8(prefixes[size_t(index)]);
    QString text = Fixed(mantissa, decimals);
    if (!letterAsPoint)
        return text + prefix;
    if (prefix.isEmpty())
        prefix = QStringLiteral("R");
    else if (prefix == QStringLiteral("\u00B5"))
        prefix = QStringLiteral("u");
    const int point = text.indexOf(QLatin1Char('.'));
    return point < 0 ? text + prefix : text.replace(point, 1, prefix);
}

QString StateEntry(double value, const QString& stateText)
{
    const QStringList states = stateText.split(QLatin1Char('|'));
    const qint64 index = Round(value);
    if (states.size() < 2 || index < 0 || index >= states.size())
        return stateText;
    return states.at(int(index));
}

} // namespace

QString FormatValue(double value, const ValueFormat& format)
{
    using D = TNumLab::TDisplay;
    const int p = format.precision;
    switch (format.display) {
    case D::dtFloat: return Format(QStringLiteral("%*.*g"), {1, p, value});
    case D::dtFixP: return Fixed(value, p);
    case D::dtExp: return Format(QStringLiteral("%*.*e"), {1, p, value});
    case D::dtHex: return Digits(value, 16, p);
    case D::dtZeroInt: return Format(QStringLiteral("%*.*d"), {1, p, Round(value)});
    case D::dtInt: return Format(QStringLiteral("%*.*d"), {1, 0, Round(value)});
    case D::dtDateTime: return FormatDateTime(format.dateTimeFormat, value);
    case D::dtState: return StateEntry(value, format.stateText);
    case D::dtBin: return Digits(value, 2, p);
    case D::dtOct: return Digits(value, 8, p);
    case D::dtDeg: return Fixed(value, p) + Degree;
    case D::dtDegMin: return Sexagesimal(value, p, false);
    case D::dtDegMinSec: return Sexagesimal(value, p, true);
    case D::dtEEng: return Engineering(value, p, false);
    case D::dtEEngNoDP: return Engineering(value, p, true);
    }
    return QString();
}

bool TakesSeparatorAndSign(TNumLab::TDisplay display)
{
    using D = TNumLab::TDisplay;
    return display != D::dtHex && display != D::dtDateTime && display != D::dtState &&
           display != D::dtBin;
}

} // namespace vek::numlab
