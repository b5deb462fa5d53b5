// TNumIO2 caret: blinking on timer 1 of the control's timer window while it has the
// focus, and the focus handling that starts and stops it.
#include "numio2_p.h"

#include <frame/core/change.h>
#include <frame/core/timers.h>

namespace vek {

namespace {
constexpr int CaretTimerId = 1;
constexpr int CaretBlinkMs = 500;
} // namespace

// Restarts the blinking with the caret shown. A form designer gets no timer.
void TNumIO2::Private::UpdateTimer()
{
    caretTimer->KillTimer(CaretTimerId);
    caretVisible = true;
    if (!q->ComponentState().testFlag(csDesigning)
        && !caretTimer->SetTimer(CaretTimerId, CaretBlinkMs))
        throw EVEKNumIO2Error(ComponentErrorText(q->Name(), QStringLiteral("no timer available")));
    q->Paint();
}

void TNumIO2::Private::StopCaret()
{
    caretTimer->KillTimer(CaretTimerId);
    caretVisible = false;
}

void TNumIO2::Private::CaretTick()
{
    if (q->Focused())
        caretVisible = !caretVisible;
    else
        StopCaret();
    q->Paint();
}

void TNumIO2::SetReadOnly(bool value)
{
    if (!Change(d->readOnly, value))
        return;
    if (value)
        d->StopCaret();
    else
        d->UpdateTimer();
    Paint();
}

void TNumIO2::SetFocus()
{
    TCustomControl::SetFocus();
    if (!d->readOnly)
        d->UpdateTimer();
}

void TNumIO2::Click()
{
    SetFocus();
    TCustomControl::Click();
}

void TNumIO2::DoEnter()
{
    if (!d->readOnly)
        d->UpdateTimer();
    TCustomControl::DoEnter();
}

// The caret and (with HideSelection) the selection go at once, not at the next tick.
void TNumIO2::DoExit()
{
    d->StopCaret();
    Paint();
    TCustomControl::DoExit();
}

} // namespace vek
