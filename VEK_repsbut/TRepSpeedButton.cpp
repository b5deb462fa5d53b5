// TRepSpeedButton: the repeat timer, started by a left press and stopped by the release
// or by the pointer leaving the button. The keys that hold it are in repsbut_keys.cpp.
#include "repsbut_p.h"

#include <frame/core/change.h>

#include <algorithm>

namespace vek {

static constexpr int RepeatTimerId = 1;

TRepSpeedButton::TRepSpeedButton(QWidget* parent)
    : TSpeedButton(parent), d(std::make_unique<Private>())
{
    // The control owns its timer window: a failing tick is reported as its own.
    d->timer.setParent(this);
    d->timer.OnTimer = [this](int) { DoTimer(); };
    // Unlike a toolbar's speed button it is operated from the keyboard as well.
    setFocusPolicy(Qt::StrongFocus);
}

TRepSpeedButton::~TRepSpeedButton() = default;

int TRepSpeedButton::RepeatClickInterval() const { return d->repeatInterval; }
int TRepSpeedButton::StartClickInterval() const { return d->startInterval; }

void TRepSpeedButton::SetRepeatClickInterval(int value)
{
    if (!Change(d->repeatInterval, std::max(10, value)))
        return;
    if (!Designing())
        UpdateTimer();
}

void TRepSpeedButton::SetStartClickInterval(int value)
{
    if (!Change(d->startInterval, std::max(10, value)))
        return;
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
    d->isStart = true;
    StartTimer(d->startInterval);
}

void TRepSpeedButton::UpdateTimer()
{
    d->isStart = false;
    StartTimer(d->repeatInterval);
}

void TRepSpeedButton::StartTimer(int interval)
{
    d->timer.KillTimer(RepeatTimerId);
    if (interval <= 0 || !d->holding)
        return;
    if (!d->timer.SetTimer(RepeatTimerId, interval)) {
        d->holding = false;
        throw EVEKRepSpeedButton(ComponentErrorText(Name(), "no timer available"));
    }
}

void TRepSpeedButton::DoTimer()
{
    if (d->isStart)
        UpdateTimer();
    RepeatClickEvent();
    if (OnRepeatClick)
        OnRepeatClick(this);
    emit repeatClicked();
}

// ---- mouse

void TRepSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Dragging() && !d->heldKey)
        StartHolding();
}

void TRepSpeedButton::StartHolding()
{
    d->holding = true;
    InitTimer();
}

void TRepSpeedButton::EndHolding()
{
    d->holding = false;
    UpdateTimer(); // only stops the timer now
}

// While the button is held the pointer's leaving arrives as a move outside it (the
// leave event itself only comes after the release).
void TRepSpeedButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseMove(Shift, X, Y);
    if (d->holding && !d->heldKey && !ClientRect().Contains(X, Y))
        StopHolding();
}

void TRepSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && !d->heldKey)
        EndHolding();
}

void TRepSpeedButton::MouseLeave()
{
    TSpeedButton::MouseLeave();
    if (d->holding && !d->heldKey)
        StopHolding();
}

void TRepSpeedButton::StopHolding()
{
    MouseUp(mbLeft, {}, -1, -1);
}

} // namespace vek
