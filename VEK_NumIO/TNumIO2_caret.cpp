// TNumIO2 caret: blinking on timer 1 of the control's timer window while it has the
// focus, and the focus handling that starts and stops it.
#include "VEK_NumIO.h"

#include <frame/core/timers.h>

namespace vek {

namespace {
constexpr int CaretTimerId = 1;
constexpr int CaretBlinkMs = 500;
} // namespace

// Restarts the blinking with the caret shown. A form designer gets no timer.
void TNumIO2::UpdateTimer()
{
    FCaretTimerH->KillTimer(CaretTimerId);
    FCaretVisib = true;
    if (!ComponentState().testFlag(csDesigning)
        && !FCaretTimerH->SetTimer(CaretTimerId, CaretBlinkMs))
        throw EVEKNumIO2Error(ComponentErrorText(Name(), QStringLiteral("no timer available")));
    Paint();
}

void TNumIO2::StopCaret()
{
    FCaretTimerH->KillTimer(CaretTimerId);
    FCaretVisib = false;
}

void TNumIO2::CaretTick()
{
    if (Focused())
        FCaretVisib = !FCaretVisib;
    else
        StopCaret();
    Paint();
}

void TNumIO2::SetReadOnly(bool value)
{
    if (value == FReadOnly)
        return;
    FReadOnly = value;
    if (value)
        StopCaret();
    else
        UpdateTimer();
    Paint();
}

void TNumIO2::SetFocus()
{
    TCustomControl::SetFocus();
    if (!FReadOnly)
        UpdateTimer();
}

void TNumIO2::Click()
{
    SetFocus();
    TCustomControl::Click();
}

void TNumIO2::DoEnter()
{
    if (!FReadOnly)
        UpdateTimer();
    TCustomControl::DoEnter();
}

// The caret and (with HideSelection) the selection go at once, not at the next tick.
void TNumIO2::DoExit()
{
    StopCaret();
    Paint();
    TCustomControl::DoExit();
}

} // namespace vek
