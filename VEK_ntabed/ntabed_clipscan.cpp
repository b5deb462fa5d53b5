// The table editor's clipboard texts: copied cells and the numbers of any text.
#include "ntabed_clip_p.h"

#include <VEK_NumIO.h> // ScanFloat: the numeric fields' scanner reads the numbers too
#include <frame/runtime/rtl.h>

#include <algorithm>

namespace vek::ntabed {

namespace {

// The full-precision form: sign slot, 14 significant digits, a four-digit exponent.
constexpr int FullPrecisionWidth = 22;
// The scientific form Str writes for a field: NumWidth + 8 characters with a four-digit
// exponent hold the digits the cell shows with a two-digit one.
constexpr int ScientificExtraWidth = 8;

bool CanStartNumber(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
}

} // namespace

QString ClipCellText(double value, bool isNumber, bool fullPrecision, int precision,
                     int numWidth)
{
    if (!isNumber)
        return QStringLiteral("####");
    if (fullPrecision)
        return StrScientific(value, FullPrecisionWidth);
    // Precisions 9 and 10 show in exponent form but copy in fixed form, with every
    // decimal the user asked for.
    if (precision >= 0)
        return StrFixed(value, 0, precision);
    return StrScientific(value, numWidth + ScientificExtraWidth).trimmed();
}

// ---- the numbers of a text

// The text ends in a blank of its own, so that the last number always has a character
// that ends it and the walk a place to stop.
ClipNumbers::ClipNumbers(const QString& text) : FText(text.size() + 1, u' ')
{
    const qsizetype last = text.size();
    std::transform(text.cbegin(), text.cend(), FText.begin(), [](QChar c) {
        return c == u'\t' || c == u'\r' ? QChar(u' ') : c;
    });
    while (FPos < last && !CanStartNumber(FText[FPos]))
        ++FPos;
}

bool ClipNumbers::Next()
{
    const qsizetype last = FText.size() - 1;
    if (FPos >= last)
        return false;
    qsizetype position = FPos + 1; // ScanFloat counts from 1
    FValue = ScanFloat(FText, true, smBoth, position);
    FPos = std::min(position - 1, last);
    FPlace = FNextPlace++;
    FLine = FNextLine;
    Advance();
    return true;
}

void ClipNumbers::Advance()
{
    const qsizetype last = FText.size() - 1;
    for (;;) {
        if (FText[FPos] == u'\n') {
            ++FNextLine;
            FNextPlace = 0;
        }
        if (FPos >= last)
            return;
        ++FPos;
        if (CanStartNumber(FText[FPos]))
            return;
    }
}

ClipBlock MeasureClipText(const QString& text)
{
    ClipBlock block;
    ClipNumbers numbers(text);
    while (numbers.Next())
        block.Include(numbers);
    return block;
}

} // namespace vek::ntabed
