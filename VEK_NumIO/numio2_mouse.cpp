// TNumIO2 mouse: caret placement and selection in the box, gauge clicks and drags, and
// the spin buttons (plain steps or pivot to pivot).
#include "numio2_p.h"

namespace vek {

// Sets the value the gauge gives at x (snapped to a pivot, within the range) and returns
// it; OnChange and valueChanged are due at the mouse-up.
double TNumIO2::Private::SetValueFromGauge(int x)
{
    double value = GaugeValueAt(x);
    const int pivot = NearestPivot(value);
    if (pivot >= 0)
        value = q->ButtonPivots[pivot];
    value = std::min(std::max(value, minimum), maximum);
    WriteValue(value);
    q->Paint();
    valueChanged = true;
    return value;
}

void TNumIO2::Private::StepBySpinButton(int y)
{
    WriteValue(SpinResult(q->Value(), y <= buttons.height / 2));
    q->Paint();
    q->Changed();
}

void TNumIO2::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    // Only the left button edits; the right one is left to the popup menu.
    if (Button == mbLeft) {
        d->dragArea = Private::TDragArea::None;
        if (!d->readOnly)
            d->caretVisible = true;
        if (Y > 0 && Y < Height() - d->GaugeStripHeight()) {
            d->caretPos = XCoordsToCharPos(X);
            d->selBegin = d->selEnd = d->caretPos;
            d->dragArea = Private::TDragArea::Text;
            Paint();
        }
        if (d->InGauge(X, Y, 0)) {
            d->SetValueFromGauge(X);
            d->dragArea = Private::TDragArea::Gauge;
        }
        if (d->InSpinButtons(X, Y))
            d->StepBySpinButton(Y);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TNumIO2::MouseMove(TShiftState Shift, int X, int Y)
{
    d->mouseAreaCode = SideTextArea(X, d->leftSpace, d->leftSpace + d->textBoxWidth);
    if (Shift.testFlag(ssLeft)) {
        if (d->dragArea == Private::TDragArea::Text && Y > 0
            && Y < Height() - d->GaugeStripHeight()) {
            // The selection runs from the caret, where the press was, to the pointer.
            const int position = XCoordsToCharPos(X);
            d->selBegin = std::min(d->caretPos, position);
            d->selEnd = std::max(d->caretPos, position);
            Paint();
        }
        if (d->dragArea == Private::TDragArea::Gauge && d->InGauge(X, Y, 1)) {
            const double value = d->SetValueFromGauge(X);
            if (OnGaugeChange)
                OnGaugeChange(this, Shift, value);
            emit gaugeChanged(value);
        }
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TNumIO2::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    d->dragArea = Private::TDragArea::None;
    if (d->valueChanged) {
        d->valueChanged = false;
        Changed();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

} // namespace vek
