// TTimerWindow: the hidden timer owner of controls with periodic behaviour (caret blink,
// auto-repeat, scrolling, automatic increments). Ticks arrive on the GUI thread; an
// exception thrown by the handler goes to Application()->HandleException.
#pragma once

#include "types.h"

#include <QHash>
#include <QObject>

namespace vek {

/// The hidden timer window of a control: numbered timers whose ticks call the control's
/// handler on the GUI thread (see the top of this header).
class VEK_EXPORT TTimerWindow : public QObject {
public:
    /// Shortest interval in milliseconds; shorter requests are raised to it.
    static constexpr int MinimumInterval = 10;

    /// A timer window owned by parent.
    explicit TTimerWindow(QObject* parent = nullptr);
    ~TTimerWindow() override;

    /// Starts (or restarts with the new interval) the timer with this id. Returns false
    /// when no timer could be had; the caller raises its own error then.
    bool SetTimer(int id, int intervalMs);
    void KillTimer(int id);
    bool IsTimerActive(int id) const { return FQtTimers.contains(id); }

    /// Called with the timer id on every tick.
    std::function<void(int id)> OnTimer;

    /// While set, every SetTimer fails as when the system has no timer left, so that
    /// applications and tests can exercise their error paths.
    static void SetTimersExhausted(bool exhausted);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    QHash<int, int> FQtTimers; // our id -> Qt timer id
};

} // namespace vek
