#include "bartext.h"

#include <frame/runtime/rtl.h>
#include <frame/baselib/strutils.h>

#include <cmath>
#include <numbers>

namespace vek::progbar {

namespace {

// Str(X:width) writes one mantissa digit after the point for any width below ten;
// that is the short form used for both exponent notations.
QString ExponentText(double value, int width)
{
    return StrScientific(value, width).trimmed();
}

// "1.5E+0003" -> "1.5E+03". Exponents that need more than two digits cannot be shortened
// and show as stars, so a text never looks like a wrong number.
QString WithTwoDigitExponent(const QString& text)
{
    const qsizetype e = text.indexOf(QLatin1Char('E'));
    if (e < 0 || text.size() - e != 6)
        return text; // NAN, INF: no exponent to shorten
    if (text.mid(e + 2, 2) != QLatin1String("00"))
        return QString(text.size(), QLatin1Char('*'));
    return text.left(e + 2) + text.mid(e + 4);
}

} // namespace

QString FormatValueText(double value, int decimals)
{
    if (decimals >= 0)
        return strff(value, 1, decimals);
    if (decimals == -1)
        return WithTwoDigitExponent(ExponentText(value, 3));
    return ExponentText(value, 1);
}

QPoint TextCellOrigin(TAlignment alignment, QPoint anchor, int angleDeg, int textWidth,
                      int textHeight)
{
    const double a = angleDeg * std::numbers::pi / 180.0;
    const int h2 = textHeight / 2;
    const int m2 = textWidth / 2;
    // How far along the text the anchor lies: none, the whole text, half of it.
    const int along = alignment == taLeftJustify ? 0 : alignment == taRightJustify ? 2 * m2 : m2;
    return {anchor.x() + int(Round(-along * std::cos(a) - h2 * std::sin(a))),
            anchor.y() + int(Round(along * std::sin(a) - h2 * std::cos(a)))};
}

} // namespace vek::progbar
