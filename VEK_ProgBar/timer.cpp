// TProgBar's automatic increments: one timer (id 1) on the bar's own timer window, first
// at StartInterval, then at RepeatInterval. In the form designer the settings are only
// stored, so a bar being designed never runs away.
#include "VEK_ProgBar.h"

#include <algorithm>

namespace vek {

namespace {
constexpr int TimerId = 1;
}

void TProgBar::AutoIncAssigned()
{
    if (!Designing())
        SwitchToRepeat();
}

bool TProgBar::Designing() const
{
    return ComponentState().testFlag(csDesigning);
}

void TProgBar::SetAutoInc(bool value)
{
    if (FTimerEnabled == value)
        return;
    FTimerEnabled = value;
    if (Designing())
        return;
    if (value)
        StartTimer();
    else
        StopTimer();
}

void TProgBar::SetAutoIncStep(double value)
{
    if (value != 0)
        FAutoIncStep = value;
}

void TProgBar::SetStartInterval(int value)
{
    value = std::max(value, TTimerWindow::MinimumInterval);
    if (FStartInterval == value)
        return;
    FStartInterval = value;
    if (!Designing())
        StartTimer();
}

void TProgBar::SetRepeatInterval(int value)
{
    value = std::max(value, TTimerWindow::MinimumInterval);
    if (FRepeatInterval == value)
        return;
    FRepeatInterval = value;
    if (!Designing())
        SwitchToRepeat();
}

void TProgBar::StartTimer()
{
    FIsStart = true;
    FTimerHandle.KillTimer(TimerId);
    if (FStartInterval > 0 && FTimerEnabled)
        ArmTimer(FStartInterval);
}

void TProgBar::SwitchToRepeat()
{
    FIsStart = false;
    FTimerHandle.KillTimer(TimerId);
    if (FRepeatInterval > 0 && FTimerEnabled)
        ArmTimer(FRepeatInterval);
}

void TProgBar::StopTimer()
{
    FTimerHandle.KillTimer(TimerId);
}

// Without a timer the bar cannot run: AutoInc goes back to false, so the property never
// claims a running bar that stands still.
void TProgBar::ArmTimer(int intervalMs)
{
    if (FTimerHandle.SetTimer(TimerId, intervalMs))
        return;
    FTimerEnabled = false;
    throw EVEKProgBar(ComponentErrorText(Name(), QStringLiteral("no timer available")));
}

void TProgBar::DoTimer()
{
    if (FIsStart)
        SwitchToRepeat();
    FValue += FAutoIncStep;
    Paint();
    if (OnAutoInc)
        OnAutoInc(this);
}

} // namespace vek
