// TNumIO2 mouse: caret placement and selection in the box, gauge clicks and drags, and
// the spin buttons (plain steps or pivot to pivot).
#include "VEK_NumIO.h"

#include <cmath>

namespace vek {

bool TNumIO2::InSpinButtons(int x, int y) const
{
    const int x0 = FLeftSpace + FTextBoxWidth + FButSpace;
    return FButVisible && x > x0 && x < x0 + FButWidth && y > 0 && y < FButHeight;
}

// Inside the gauge strip, widened by tolerance pixels left and right.
bool TNumIO2::InGauge(int x, int y, int tolerance) const
{
    return FGaugeVisib && y > Height() - GaugeStripHeight() && x >= FGaugeLeftMarg - tolerance
           && x <= FGaugeLeftMarg + FGaugeWidth + tolerance;
}

// Index of the pivot nearest to value (the first one on ties); -1 without pivots.
int TNumIO2::NearestPivot(double value) const
{
    int best = -1;
    double bestDistance = 0;
    for (int i = 0; i < int(ButtonPivots.size()); ++i) {
        const double distance = std::abs(ButtonPivots[i] - value);
        if (best < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// The value a spin button click gives. Pivots are left even when they lie outside the
// range: the application chose them.
double TNumIO2::SpinResult(double value, bool up) const
{
    const int h = NearestPivot(value);
    if (h < 0)
        return std::min(std::max(value + (up ? FButIncrem : -FButIncrem), FMinimum), FMaximum);
    // A value within one unit of the last decimal of a pivot counts as standing on it.
    const double epsilon = std::exp(-FDecP * std::log(10.0));
    const double pivot = ButtonPivots[h];
    if (up)
        return value >= pivot - epsilon && h + 1 < int(ButtonPivots.size()) ? ButtonPivots[h + 1]
                                                                             : pivot;
    return value <= pivot + epsilon && h > 0 ? ButtonPivots[h - 1] : pivot;
}

// Sets the value the gauge gives at x (snapped to a pivot, within the range) and returns
// it; OnChange is due at the mouse-up.
double TNumIO2::SetValueFromGauge(int x)
{
    double value = GaugeValueAt(x);
    const int pivot = NearestPivot(value);
    if (pivot >= 0)
        value = ButtonPivots[pivot];
    value = std::min(std::max(value, FMinimum), FMaximum);
    SetValue(value);
    FValueChanged = true;
    return value;
}

void TNumIO2::StepBySpinButton(int y)
{
    SetValue(SpinResult(Value(), y <= FButHeight / 2));
    Changed();
}

void TNumIO2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // Only the left button edits; the right one is left to the popup menu.
    if (Button == mbLeft) {
        FDragArea = TDragArea::None;
        if (!FReadOnly)
            FCaretVisib = true;
        if (Y > 0 && Y < Height() - GaugeStripHeight()) {
            FCaretPos = XCoordsToCharPos(X);
            FSelBegin = FSelEnd = FCaretPos;
            FDragArea = TDragArea::Text;
            Paint();
        }
        if (InGauge(X, Y, 0)) {
            SetValueFromGauge(X);
            FDragArea = TDragArea::Gauge;
        }
        if (InSpinButtons(X, Y))
            StepBySpinButton(Y);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(TShiftState Shift, int X, int Y)
{
    FMouseAreaCode = 0;
    if (X > FLeftSpace)
        FMouseAreaCode = 1;
    if (X > FLeftSpace + FTextBoxWidth)
        FMouseAreaCode = 2;
    if (Shift.testFlag(ssLeft)) {
        if (FDragArea == TDragArea::Text && Y > 0 && Y < Height() - GaugeStripHeight()) {
            // The selection runs from the caret, where the press was, to the pointer.
            const int position = XCoordsToCharPos(X);
            FSelBegin = std::min(FCaretPos, position);
            FSelEnd = std::max(FCaretPos, position);
            Paint();
        }
        if (FDragArea == TDragArea::Gauge && InGauge(X, Y, 1)) {
            const double value = SetValueFromGauge(X);
            if (OnGaugeChange)
                OnGaugeChange(this, Shift, value);
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FDragArea = TDragArea::None;
    if (FValueChanged) {
        FValueChanged = false;
        Changed();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

} // namespace vek
