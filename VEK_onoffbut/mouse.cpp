// TOnOffBut: mouse handling. A left press inverts the state, the release of a speed
// button switches it off again; OnClick fires on an accepted left release only.
#include "onoffbut_p.h"

#include <utility>

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
    const bool wasPressed = Button == mbLeft && std::exchange(d->pressed, false);
    Release(AcceptsMouse(Button, X, Y), wasPressed);
}

void TOnOffBut::click()
{
    if (!Enabled() || d->looks.mouseAction == oomaNone)
        return;
    Press();
    Release(true, std::exchange(d->pressed, false));
}

// The last member that is on in a group without AllowAllOff stays on.
void TOnOffBut::Press()
{
    if (d->groupIndex != 0 && !d->allowAllOff && d->looks.onOff)
        return;
    d->pressed = true;
    StoreOnOff(!d->looks.onOff);
}

void TOnOffBut::Release(bool accepted, bool wasPressed)
{
    // A speed button is on only while held: it also switches off when the mouse was
    // dragged off the glyph before the release (which is then no click).
    if (d->mode == oobmSpeedBut && (accepted || wasPressed) && d->looks.onOff)
        StoreOnOff(false);
    if (!accepted)
        return;
    TGraphicControl::Click();
    emit clicked();
}

} // namespace vek
