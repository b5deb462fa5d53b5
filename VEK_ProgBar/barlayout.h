// Geometry of the bar along its growth axis, shared by the solid fill, the gradient and
// the grid. Private to TProgBar.
#pragma once

#include <VEK_ProgBar.h>

namespace vek::progbar {

// The bar seen along the axis it grows on: pixel k of the bar (k = 0 .. Length - 1) is
// column or row Origin + Step * k.
struct TBarAxis {
    bool Horizontal; // columns (left/right growth) or rows (up/down)
    int Origin;      // the first pixel, at the inner edge the bar grows from
    int Step;        // +1 or -1
    int Length;      // pixels covered; may run past the inner area, <= 0 means no bar
    int Extent;      // size of the inner area along the axis
    int GridReach;   // grid lines at distances 0, GridDist, ... up to and including this
    int CrossStart;  // the inner area across the axis: rows (or columns) CrossStart ..
    int CrossEnd;    // CrossEnd - 1
};

// fraction is (Value - Min) / (Max - Min); a NaN fraction gives no bar.
TBarAxis BarAxis(TDirection direction, const TRect& inner, double fraction);

// The rectangle of one line across the bar at axis position pos.
TRect LineAcross(const TBarAxis& axis, int pos);

// The rectangle covering bar pixels first .. end - 1.
TRect SpanRect(const TBarAxis& axis, int first, int end);

// The pixels 0 <= k < Length whose positions lie in 0 .. limit - 1 (the control's
// width or height): the bar may be far longer than what can be seen.
struct TVisibleSpan {
    int First;
    int End; // exclusive
};
TVisibleSpan VisibleSpan(const TBarAxis& axis, int count, int limit);

// Gradient table index of bar pixel k, clamped to 0 .. GradientSize - 1.
int GradientIndex(TProgBar::TColorMapping mode, int k, int length, int extent);

} // namespace vek::progbar
