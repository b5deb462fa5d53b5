// TNumIO2 geometry: the gauge strip, text placement in the box, the mapping between
// character positions and x coordinates, and the areas of gauge and spin buttons.
#include "numio2_p.h"

#include <QFontMetrics>

#include <cmath>

namespace vek {

int TNumIO2::Private::GaugeStripHeight() const
{
    return gauge.visible ? gauge.height + gauge.topMargin + 1 : 0;
}

int TNumIO2::Private::TextWidthOf(const QString& text) const
{
    return QFontMetrics(q->Font()->ToQFont()).horizontalAdvance(text);
}

int TNumIO2::Private::TextLeft(int textWidth) const
{
    switch (alignment) {
    case taLeftJustify: return leftSpace + 4;
    case taRightJustify: return leftSpace + textBoxWidth - textWidth - 2;
    default: return leftSpace + (textBoxWidth - textWidth) / 2 + 2;
    }
}

int TNumIO2::CharPosToXCoords(int n) const
{
    const QString& text = d->inBuffer;
    n = std::clamp(n, 0, int(text.size()));
    return d->TextLeft(d->TextWidthOf(text)) + d->TextWidthOf(text.left(n));
}

// The nearest character boundary, measured on the glyphs: an average character width
// would put the caret a character off in texts with narrow points and signs. Boundaries
// grow with n, so a binary search finds the first one at or right of x.
int TNumIO2::XCoordsToCharPos(int x) const
{
    const QString& text = d->inBuffer;
    const int length = int(text.size());
    if (length == 0)
        return 0;
    const QFontMetrics metrics(Font()->ToQFont());
    const int tw = metrics.horizontalAdvance(text);
    // Characters narrower than a pixel on average give no usable scale: position 0.
    if (tw / length == 0)
        return 0;
    const int offset = x - d->TextLeft(tw);
    const auto boundary = [&](int n) { return metrics.horizontalAdvance(text.left(n)); };
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

double TNumIO2::Private::GaugeValueAt(int x) const
{
    return minimum + double(x - gauge.leftMargin) / gauge.width * (maximum - minimum);
}

bool TNumIO2::Private::InSpinButtons(int x, int y) const
{
    const int x0 = leftSpace + textBoxWidth + buttons.space;
    return buttons.visible && x > x0 && x < x0 + buttons.width && y > 0 && y < buttons.height;
}

bool TNumIO2::Private::InGauge(int x, int y, int tolerance) const
{
    return gauge.visible && y > q->Height() - GaugeStripHeight()
           && x >= gauge.leftMargin - tolerance && x <= gauge.leftMargin + gauge.width + tolerance;
}

int TNumIO2::Private::NearestPivot(double value) const
{
    const std::vector<double>& pivots = q->ButtonPivots;
    int best = -1;
    double bestDistance = 0;
    for (int i = 0; i < int(pivots.size()); ++i) {
        const double distance = std::abs(pivots[i] - value);
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// The value a spin button click gives. Pivots are left even when they lie outside the
// range: the application chose them.
double TNumIO2::Private::SpinResult(double value, bool up) const
{
    const std::vector<double>& pivots = q->ButtonPivots;
    const int h = NearestPivot(value);
    if (h < 0) {
        const double step = up ? buttons.increment : -buttons.increment;
        return std::min(std::max(value + step, minimum), maximum);
    }
    // A value within one unit of the last decimal of a pivot counts as standing on it.
    const double epsilon = std::exp(-decP * std::log(10.0));
    const double pivot = pivots[h];
    if (up)
        return value >= pivot - epsilon && h + 1 < int(pivots.size()) ? pivots[h + 1] : pivot;
    return value <= pivot + epsilon && h > 0 ? pivots[h - 1] : pivot;
}

} // namespace vek
