#include "barlayout.h"

#include <frame/runtime/rtl.h>

#include <algorithm>
#include <cmath>

namespace vek::progbar {

namespace {

// A bar far beyond the control's edges looks the same as one a billion pixels long;
// limiting it keeps the pixel arithmetic in int range for any Value.
constexpr double LongestBar = 1e9;

int BarLength(int extent, double fraction)
{
    if (std::isnan(fraction))
        return 0;
    return int(Round(std::clamp(extent * fraction, -LongestBar, LongestBar)));
}

} // namespace

TBarAxis BarAxis(TDirection direction, const TRect& inner, double fraction)
{
    const int width = inner.Width();
    const int height = inner.Height();
    switch (direction) {
    case dirUp: {
        const int length = BarLength(height, fraction);
        return {false, inner.Bottom - 1, -1, length, height, length - 1, inner.Left, inner.Right};
    }
    case dirDown: {
        const int length = BarLength(height, fraction);
        return {false, inner.Top, +1, length, height, length, inner.Left, inner.Right};
    }
    case dirLeft: {
        const int length = BarLength(width, fraction);
        return {true, inner.Right - 1, -1, length, width, length - 1, inner.Top, inner.Bottom};
    }
    case dirRight:
        break;
    }
    const int length = BarLength(width, fraction);
    return {true, inner.Left, +1, length, width, length, inner.Top, inner.Bottom};
}

TRect LineAcross(const TBarAxis& axis, int pos)
{
    return axis.Horizontal ? TRect(pos, axis.CrossStart, pos + 1, axis.CrossEnd)
                           : TRect(axis.CrossStart, pos, axis.CrossEnd, pos + 1);
}

TRect SpanRect(const TBarAxis& axis, int first, int end)
{
    const TRect a = LineAcross(axis, axis.Origin + axis.Step * first);
    const TRect b = LineAcross(axis, axis.Origin + axis.Step * (end - 1));
    return TRect(std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom));
}

TVisibleSpan VisibleSpan(const TBarAxis& axis, int count, int limit)
{
    // Positions Origin + Step * k within 0 .. limit - 1.
    const int first = axis.Step > 0 ? -axis.Origin : axis.Origin - (limit - 1);
    const int end = axis.Step > 0 ? limit - axis.Origin : axis.Origin + 1;
    return {std::max(0, first), std::min(count, end)};
}

int GradientIndex(TProgBar::TColorMapping mode, int k, int length, int extent)
{
    constexpr double Last = TProgBar::GradientSize - 1;
    // An inner area without size has nothing to map onto (and would divide by zero).
    if (extent <= 0 || length <= 0)
        return 0;
    qint64 n = 0;
    switch (mode) {
    case TProgBar::cgmCover:
        n = Round(k * Last / extent);
        break;
    case TProgBar::cgmStretch:
        // Spread over the bar's first to last pixel, so that the leading pixel shows the
        // last entry at every length; a one-pixel bar shows the first.
        n = length > 1 ? Round(k * Last / (length - 1)) : 0;
        break;
    case TProgBar::cgmMove:
        n = Round(k * Last / extent) - Round((length - 1) * Last / extent) + qint64(Last);
        break;
    }
    return int(std::clamp<qint64>(n, 0, qint64(Last)));
}

} // namespace vek::progbar
