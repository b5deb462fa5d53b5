// TRepSpeedButton: Space or Enter hold the button as the left mouse button does.
#include "repsbut_p.h"

#include <frame/controls/keys.h>
#include <frame/core/application.h>

#include <QFocusEvent>

namespace vek {

// The keyboard's repeats of the held key change nothing: the button's own timer repeats.
void TRepSpeedButton::KeyDown(int& Key, TShiftState Shift)
{
    TSpeedButton::KeyDown(Key, Shift);
    if (Key != VK_SPACE && Key != VK_RETURN)
        return;
    if (d->heldKey == 0 && !KeyAutoRepeat() && !Dragging()) {
        PressButton();
        if (!Dragging())
            return; // disabled: Enter goes on to the dialog
        d->heldKey = Key;
        StartHolding();
    }
    Key = 0;
}

void TRepSpeedButton::KeyUp(int& Key, TShiftState Shift)
{
    TSpeedButton::KeyUp(Key, Shift);
    if (Key == 0 || Key != d->heldKey || KeyAutoRepeat())
        return;
    d->heldKey = 0;
    ReleaseButton(true);
    EndHolding();
    Key = 0;
}

// The release of a key held while the focus goes elsewhere never comes here: the
// repeats end without a click, as when the pointer leaves a held button.
void TRepSpeedButton::focusOutEvent(QFocusEvent* event)
{
    TSpeedButton::focusOutEvent(event);
    if (d->heldKey == 0)
        return;
    d->heldKey = 0;
    RunGuarded(this, [this] {
        ReleaseButton(false);
        EndHolding();
    });
}

} // namespace vek
