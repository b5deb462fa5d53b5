// TOnOffBut: mouse handling. A left press inverts the state, the release of a speed
// button switches it off again; OnClick fires on an accepted left release only.
#include "VEK_onoffbut.h"

namespace vek {

bool TOnOffBut::AcceptsMouse(TMouseButton Button, int X, int Y) const
{
    if (FMouseAction == oomaNone || Button != mbLeft)
        return false;
    if (FMouseAction == oomaPlain)
        return true;
    // Strictly inside the glyph cell: its first row and column do not count.
    return X > FLeftSpace && X < FLeftSpace + FGlyphWidth && Y > FTopSpace &&
           Y < FTopSpace + FGlyphHeight;
}

void TOnOffBut::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (!AcceptsMouse(Button, X, Y))
        return;
    if (FGroupIndex != 0 && !FAllowAllOff && FOnOff)
        return;
    FPressed = true;
    FOnOff = !FOnOff;
    Paint();
    if (FOnOff)
        NotifyGroup();
}

void TOnOffBut::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    const bool wasPressed = FPressed && Button == mbLeft;
    if (Button == mbLeft)
        FPressed = false;
    const bool accepted = AcceptsMouse(Button, X, Y);
    // A speed button is on only while held: it also switches off when the mouse was
    // dragged off the glyph before the release (which is then no click).
    if (FMode == oobmSpeedBut && (accepted || wasPressed) && FOnOff) {
        FOnOff = false;
        Paint();
    }
    if (accepted)
        TGraphicControl::Click();
}

} // namespace vek
