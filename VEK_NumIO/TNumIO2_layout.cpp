// TNumIO2 geometry: the gauge strip, text placement in the box and the mapping between
// character positions and x coordinates.
#include "NumIO2.h"

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

int TNumIO2::XCoordsToCharPos(int x) const
{
    const int length = int(FInBuffer.size());
    if (length == 0)
        return 0;
    const int tw = TextWidthOf(FInBuffer);
    // Characters narrower than a pixel on average give no usable scale: position 0.
    const int average = tw / length;
    if (average == 0)
        return 0;
    int c = 0;
    switch (FAlignment) {
    case taLeftJustify: c = x - FLeftSpace - 3; break;
    case taRightJustify: c = x + tw - FLeftSpace - FTextBoxWidth + 3; break;
    default: c = x - FLeftSpace - (FTextBoxWidth - tw) / 2 - 1; break;
    }
    c = std::clamp(c, 0, tw);
    // The average width rounds down, so the quotient may pass the last character.
    return std::min((c + average / 2) / average, length);
}

// The value the gauge gives at x, before snapping and clamping.
double TNumIO2::GaugeValueAt(int x) const
{
    return FMinimum + double(x - FGaugeLeftMarg) / FGaugeWidth * (FMaximum - FMinimum);
}

} // namespace vek
