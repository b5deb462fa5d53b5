#include "timers.h"

#include "application.h"

#include <QTimerEvent>

#include <atomic>

namespace vek {

namespace {
std::atomic<bool> timersExhausted{false};
}

TTimerWindow::TTimerWindow(QObject* parent) : QObject(parent) {}

TTimerWindow::~TTimerWindow()
{
    for (int qtId : std::as_const(FQtTimers))
        killTimer(qtId);
}

bool TTimerWindow::SetTimer(int id, int intervalMs)
{
    KillTimer(id);
    if (timersExhausted)
        return false;
    const int qtId = startTimer(std::max(MinimumInterval, intervalMs), Qt::PreciseTimer);
    if (qtId == 0)
        return false;
    FQtTimers.insert(id, qtId);
    return true;
}

void TTimerWindow::KillTimer(int id)
{
    const auto it = FQtTimers.find(id);
    if (it == FQtTimers.end())
        return;
    killTimer(it.value());
    FQtTimers.erase(it);
}

void TTimerWindow::SetTimersExhausted(bool exhausted)
{
    timersExhausted = exhausted;
}

void TTimerWindow::timerEvent(QTimerEvent* event)
{
    const int id = FQtTimers.key(event->timerId(), 0);
    if (id == 0 || !OnTimer)
        return;
    // The failure is the owning control's, not that of its hidden timer window.
    RunGuarded(parent() ? parent() : this, [&] { OnTimer(id); });
}

} // namespace vek
