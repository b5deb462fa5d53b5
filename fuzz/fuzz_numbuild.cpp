// The number builders: the texts the numeric fields, the numeric label, the table
// editor's clipboard and Format make of a double, for every double (NaN, infinities,
// subnormals, the largest ones) and every width and precision. Property: a text that is
// a plain number ("-12.50", "1.25E+003") reads back within half a unit of its last digit.
//
// Input: eight bytes of the double, then bytes for width, decimals and precision.
#include "fuzzinput.h"

#include <VEK_NumIO.h>
#include <frame/runtime/rtl.h>
#include <ntabed_clip_p.h>
#include <valuetext.h>

#include <QRegularExpression>

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

using namespace vek;

// Half a unit of the last digit the text shows, or a negative value when the text is no
// plain number (NAN, INF, asterisks, an engineering prefix, ...).
long double HalfUnitOfLastDigit(const QString& text)
{
    static const QRegularExpression fixed(QStringLiteral(R"(^-?\d+(?:\.(\d+))?$)"));
    static const QRegularExpression scientific(QStringLiteral(R"(^-?\d(?:\.(\d+))?E([+-]?\d+)$)"));
    if (const QRegularExpressionMatch m = fixed.match(text); m.hasMatch())
        return 0.5L * std::pow(10.0L, -m.capturedLength(1));
    if (const QRegularExpressionMatch m = scientific.match(text); m.hasMatch())
        return 0.5L * std::pow(10.0L, m.captured(2).toInt() - m.capturedLength(1));
    return -1;
}

void CheckReadsBack(const QString& builtText, double value, const char* builder)
{
    const QString text = builtText.trimmed();
    const long double halfUnit = HalfUnitOfLastDigit(text);
    if (halfUnit < 0 || !std::isfinite(value))
        return;
    // Long double holds texts beyond the double range ("1.8E+308"). The builders round
    // an 18-digit image of the value, which may add 5e-18 of it; and a subnormal has no
    // more digits than its spacing.
    const long double back = std::strtold(text.toLatin1().constData(), nullptr);
    const long double slack = std::fabs(static_cast<long double>(value)) * 1e-17L
                              + std::numeric_limits<double>::denorm_min();
    VEK_FUZZ_REQUIRE(std::fabs(back - value) <= halfUnit + slack,
                     QStringLiteral("%1 gave \"%2\" for %3")
                         .arg(QLatin1String(builder), builtText).arg(value, 0, 'g', 17));
}

void CheckRuntimeTexts(double value, int width, int decimals, int precision)
{
    CheckReadsBack(StrFixed(value, width, decimals), value, "StrFixed");
    CheckReadsBack(StrScientific(value, width), value, "StrScientific");
    CheckReadsBack(Format(QStringLiteral("%*.*f"), {width, decimals, value}, u'.'), value, "Format %f");
    CheckReadsBack(Format(QStringLiteral("%*.*e"), {width, precision, value}, u'.'), value, "Format %e");
    CheckReadsBack(Format(QStringLiteral("%*.*g"), {width, precision, value}, u'.'), value, "Format %g");
}

void CheckFieldTexts(double value, int width, int decimals)
{
    CheckReadsBack(FormatReal(width, decimals, value), value, "FormatReal");
    CheckReadsBack(FormatReal(width, -1, value), value, "FormatReal scientific");
    const auto bits = quint32(Round(value)); // the low bits, as the fields write them
    FormatHex(bits, width);
    FormatOct(bits, width);
    FormatBin(bits, width);
}

void CheckLabelTexts(double value, int precision)
{
    for (int display = TNumLab::dtFloat; display <= TNumLab::dtEEngNoDP; ++display) {
        const numlab::ValueFormat format{TNumLab::TDisplay(display), precision,
                                         QStringLiteral("yyyy-mm-dd hh:nn:ss"),
                                         QStringLiteral("off|on|fault")};
        const QString text = numlab::FormatValue(value, format);
        if (display <= TNumLab::dtExp)
            CheckReadsBack(text, value, "TNumLab");
    }
}

void CheckClipboardTexts(double value, int precision, int width)
{
    CheckReadsBack(ntabed::ClipCellText(value, true, true, precision, width), value,
                   "clipboard full precision");
    CheckReadsBack(ntabed::ClipCellText(value, true, false, precision, width), value, "clipboard");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vekfuzz::FuzzInput input(data, size);
    const double value = input.Double();
    const int width = input.IntIn(0, 40);
    const int decimals = input.IntIn(0, 20);
    const int precision = input.IntIn(-2, 25);

    CheckRuntimeTexts(value, width, decimals, precision);
    CheckFieldTexts(value, width, decimals);
    CheckLabelTexts(value, precision);
    CheckClipboardTexts(value, precision, width);
    return 0;
}
