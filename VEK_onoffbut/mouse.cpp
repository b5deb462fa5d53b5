// TOnOffBut: mouse handling. A left press inverts the state, the release of a speed
// button switches it off again; OnClick fires on an accepted left release only.
#include "onoffbut_p.h"

namespace vek {

bool TOnOffBut::AcceptsMouse(TMouseButton Button, int X, int Y) const
{
    const auto& looks = d->looks;
    if (looks.mouseAction == oomaNone || Button != mbLeft)
        return false;
    if (looks.mouseAction == oomaPlain)
        return true;
    // Strictly inside the glyph cell: its first row and column do not count.
    return X > looks.leftSpace && X < looks.leftSpace + looks.glyph.width() &&
           Y > looks.topSpace && Y < looks.topSpace + looks.glyph.height();
}

void TOnOffBut::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (AcceptsMouse(Button, X, Y))
        Press();
}

void TOnOffBut::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (AcceptsMouse(Button, X, Y))
        Release();
}

void TOnOffBut::click()
{
    if (!Enabled() || d->looks.mouseAction == oomaNone)
        return;
    Press();
    Release();
}

// The last member that is on in a group without AllowAllOff stays on.
void TOnOffBut::Press()
{
    if (d->groupIndex != 0 && !d->allowAllOff && d->looks.onOff)
        return;
    StoreOnOff(!d->looks.onOff);
}

// Only a release that counts ends a speed button's press. Dragging off the glyph before
// the release cancels the click, as on any button, and cancels nothing else: the state
// stays as the press left it, so a speed button stays on.
void TOnOffBut::Release()
{
    if (d->mode == oobmSpeedBut && d->looks.onOff)
        StoreOnOff(false);
    TGraphicControl::Click();
    emit clicked();
}

} // namespace vek
