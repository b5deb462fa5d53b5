// TRepSpeedButton: the repeat timer, started by a left press and stopped by the release
// or by the pointer leaving the button.
#include "VEK_repsbut.h"

#include <algorithm>

namespace vek {

static constexpr int RepeatTimerId = 1;

TRepSpeedButton::TRepSpeedButton(QWidget* parent) : TSpeedButton(parent)
{
    FTimer.OnTimer = [this](int) { DoTimer(); };
}

void TRepSpeedButton::SetRepeatClickInterval(int value)
{
    value = std::max(10, value);
    if (value == FRepClickIv)
        return;
    FRepClickIv = value;
    if (!Designing())
        UpdateTimer();
}

void TRepSpeedButton::SetStartClickInterval(int value)
{
    value = std::max(10, value);
    if (value == FStartIv)
        return;
    FStartIv = value;
    if (!Designing())
        InitTimer();
}

void TRepSpeedButton::EventAssigned()
{
    if (!Designing())
        UpdateTimer();
}

// ---- timer

void TRepSpeedButton::InitTimer()
{
    FIsStart = true;
    StartTimer(FStartIv);
}

void TRepSpeedButton::UpdateTimer()
{
    FIsStart = false;
    StartTimer(FRepClickIv);
}

void TRepSpeedButton::StartTimer(int interval)
{
    FTimer.KillTimer(RepeatTimerId);
    if (interval <= 0 || !FRClickTimerEnabled)
        return;
    if (!FTimer.SetTimer(RepeatTimerId, interval)) {
        FRClickTimerEnabled = false;
        throw EVEKRepSpeedButton(ComponentErrorText(Name(), "no timer available"));
    }
}

void TRepSpeedButton::DoTimer()
{
    if (FIsStart)
        UpdateTimer();
    RepeatClickEvent();
    if (OnRepeatClick)
        OnRepeatClick(this);
}

// ---- mouse

void TRepSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Dragging())
        return;
    FRClickTimerEnabled = true;
    InitTimer();
}

// While the button is held the pointer's leaving arrives as a move outside it (the
// leave event itself only comes after the release).
void TRepSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseMove(Shift, X, Y);
    if (FRClickTimerEnabled && !ClientRect().Contains(X, Y))
        StopHolding();
}

void TRepSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    FRClickTimerEnabled = false;
    UpdateTimer(); // only stops the timer now
}

void TRepSpeedButton::MouseLeave()
{
    TSpeedButton::MouseLeave();
    if (FRClickTimerEnabled)
        StopHolding();
}

void TRepSpeedButton::StopHolding()
{
    MouseUp(mbLeft, {}, -1, -1);
}

} // namespace vek
