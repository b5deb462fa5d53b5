// TProgBar's automatic increments: one timer (id 1) on the bar's own timer window, first
// at StartInterval, then at RepeatInterval. In the form designer the settings are only
// stored, so a bar being designed never runs away.
#include "VEK_ProgBar.h"
#include "progbar_p.h"

#include <frame/core/change.h>

#include <algorithm>

namespace vek {

namespace {
constexpr int TimerId = 1;
}

void TProgBar::AutoIncAssigned()
{
    if (!d->Designing())
        d->SwitchToRepeat();
}

bool TProgBar::AutoInc() const { return d->timerEnabled; }
void TProgBar::SetAutoInc(bool value)
{
    if (d->timerEnabled == value)
        return;
    d->timerEnabled = value;
    if (d->Designing())
        return;
    if (value)
        d->StartTimer();
    else
        d->StopTimer();
}

double TProgBar::AutoIncStep() const { return d->autoIncStep; }
void TProgBar::SetAutoIncStep(double value)
{
    if (value != 0)
        d->autoIncStep = value;
}

int TProgBar::StartInterval() const { return d->startInterval; }
void TProgBar::SetStartInterval(int value)
{
    if (Change(d->startInterval, std::max(value, TTimerWindow::MinimumInterval)) &&
        !d->Designing())
        d->StartTimer();
}

int TProgBar::RepeatInterval() const { return d->repeatInterval; }
void TProgBar::SetRepeatInterval(int value)
{
    if (Change(d->repeatInterval, std::max(value, TTimerWindow::MinimumInterval)) &&
        !d->Designing())
        d->SwitchToRepeat();
}

void TProgBar::Private::StartTimer()
{
    isStart = true;
    timerHandle.KillTimer(TimerId);
    if (startInterval > 0 && timerEnabled)
        ArmTimer(startInterval);
}

void TProgBar::Private::SwitchToRepeat()
{
    isStart = false;
    timerHandle.KillTimer(TimerId);
    if (repeatInterval > 0 && timerEnabled)
        ArmTimer(repeatInterval);
}

void TProgBar::Private::StopTimer()
{
    timerHandle.KillTimer(TimerId);
}

// Without a timer the bar cannot run: AutoInc goes back to false, so the property never
// claims a running bar that stands still.
void TProgBar::Private::ArmTimer(int intervalMs)
{
    if (timerHandle.SetTimer(TimerId, intervalMs))
        return;
    timerEnabled = false;
    throw EVEKProgBar(ComponentErrorText(q->Name(), QStringLiteral("no timer available")));
}

// The increment skips SetValue's change check: every tick repaints.
void TProgBar::DoTimer()
{
    if (d->isStart)
        d->SwitchToRepeat();
    const double old = d->value;
    d->value += d->autoIncStep;
    Paint();
    if (d->value != old)
        emit valueChanged(d->value);
    if (OnAutoInc)
        OnAutoInc(this);
    emit autoIncremented();
}

} // namespace vek
