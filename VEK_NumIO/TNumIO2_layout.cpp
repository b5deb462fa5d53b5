// TNumIO2 geometry: the gauge strip, text placement in the box and the mapping between
// character positions and x coordinates.
#include "VEK_NumIO.h"

#include <QFontMetrics>

namespace vek {

// Rows reserved for the gauge at the bottom (0 when it is hidden).
int TNumIO2::GaugeStripHeight() const
{
    return FGaugeVisib ? FGaugeHeight + FGaugeTopMarg + 1 : 0;
}

int TNumIO2::TextWidthOf(const QString& text) const
{
    return QFontMetrics(Font()->ToQFont()).horizontalAdvance(text);
}

// x of the first character of a text of this width in the box, by Alignment.
int TNumIO2::TextLeft(int textWidth) const
{
    switch (FAlignment) {
    case taLeftJustify: return FLeftSpace + 4;
    case taRightJustify: return FLeftSpace + FTextBoxWidth - textWidth - 2;
    default: return FLeftSpace + (FTextBoxWidth - textWidth) / 2 + 2;
    }
}

int TNumIO2::CharPosToXCoords(int n) const
{
    n = std::clamp(n, 0, int(FInBuffer.size()));
    return TextLeft(TextWidthOf(FInBuffer)) + TextWidthOf(FInBuffer.left(n));
}

// The nearest character boundary, measured on the glyphs: an average character width
// would put the caret a character off in texts with narrow points and signs. Boundaries
// grow with n, so a binary search finds the first one at or right of x.
int TNumIO2::XCoordsToCharPos(int x) const
{
    const int length = int(FInBuffer.size());
    if (length == 0)
        return 0;
    const QFontMetrics metrics(Font()->ToQFont());
    const int tw = metrics.horizontalAdvance(FInBuffer);
    // Characters narrower than a pixel on average give no usable scale: position 0.
    if (tw / length == 0)
        return 0;
    const int offset = x - TextLeft(tw);
    const auto boundary = [&](int n) { return metrics.horizontalAdvance(FInBuffer.left(n)); };
    int low = 0;
    int high = length;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (boundary(middle) < offset)
            low = middle + 1;
        else
            high = middle;
    }
    if (low > 0 && offset - boundary(low - 1) <= boundary(low) - offset)
        return low - 1;
    return low;
}

// The value the gauge gives at x, before snapping and clamping.
double TNumIO2::GaugeValueAt(int x) const
{
    return FMinimum + double(x - FGaugeLeftMarg) / FGaugeWidth * (FMaximum - FMinimum);
}

} // namespace vek
