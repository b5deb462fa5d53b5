// TWatchedEvent: an event member whose owner hears about every assignment, for events
// whose setter has an effect of its own (a timer that restarts when the handler is
// replaced). It is assigned and called like a plain std::function event:
//
//   bar.OnAutoInc = [](TObject*) { ... };
//   if (OnAutoInc) OnAutoInc(this);
#pragma once

#include <functional>
#include <utility>

namespace vek {

/// An event member whose owner learns when a handler is assigned (see the top of this
/// header). It is assigned and called like the std::function it holds.
template <typename Handler> class TWatchedEvent {
public:
    /// An unassigned event; assigned runs after every assignment.
    explicit TWatchedEvent(std::function<void()> assigned) : FAssigned(std::move(assigned)) {}
    TWatchedEvent(const TWatchedEvent&) = delete;
    TWatchedEvent& operator=(const TWatchedEvent&) = delete;

    /// Replaces the handler (an empty one clears it) and tells the owner.
    TWatchedEvent& operator=(Handler handler)
    {
        FHandler = std::move(handler);
        FAssigned();
        return *this;
    }
    /// Whether a handler is assigned, and the handler itself.
    explicit operator bool() const { return bool(FHandler); }
    const Handler& Get() const { return FHandler; }

    /// Runs a copy, so that a handler may replace or clear itself while it runs.
    template <typename... Args> void operator()(Args&&... args) const
    {
        const Handler handler = FHandler;
        handler(std::forward<Args>(args)...);
    }

private:
    Handler FHandler;
    std::function<void()> FAssigned;
};

} // namespace vek
