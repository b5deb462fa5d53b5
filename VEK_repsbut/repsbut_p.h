// TRepSpeedButton's private data.
#pragma once

#include "VEK_repsbut.h"

#include <frame/core/timers.h>

namespace vek {

struct TRepSpeedButton::Private {
    // The hidden timer owner; its timer 1 drives the repeats.
    TTimerWindow timer;
    // True while the left button is held down on the control.
    bool holding = false;
    // The key (Space or Enter) that holds the button down, 0 when no key does.
    int heldKey = 0;
    // True while the timer runs with the start delay, false with the repeat interval.
    bool isStart = true;
    int repeatInterval = 200;
    int startInterval = 500;
};

} // namespace vek
