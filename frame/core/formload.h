// TFormLoad: controls created the way a form file creates them. A form sets a control's
// properties one by one in the order the file lists them; settings that depend on each
// other (a range and the value in it) must not be checked against each other until the
// last one has arrived. Components created while a TFormLoad is open are in csLoading
// while their properties are set, and get Loaded once, when the load ends.
#pragma once

#include "vekglobal.h"

#include <QObject>

#include <functional>
#include <memory>

namespace vek {

/// A form being read, from creation to the end of the scope. Every component created on
/// this thread while it is open (other than the parts a component creates for itself)
/// starts in csLoading; End(), or the destructor, calls Loaded once for each that still
/// exists, in the order they were created. Loads nest: an inner load ends its own
/// components only.
///
/// Wrap the code that reads a form in one:
/// \code
/// {
///     vek::TFormLoad load;
///     ui.setupUi(this);              // or: loader.load(&file, this)
/// }                                  // every control has had Loaded here
/// \endcode
class VEK_EXPORT TFormLoad {
public:
    TFormLoad();
    /// Ends the load if End() has not; an exception from a Loaded goes to
    /// Application()->HandleException.
    ~TFormLoad();
    TFormLoad(const TFormLoad&) = delete;
    TFormLoad& operator=(const TFormLoad&) = delete;

    /// Ends the load now: Loaded for every component of it, in creation order. When a
    /// Loaded throws, the others still run and the first exception is thrown on. Later
    /// calls do nothing.
    void End();

    /// For the component model: enrolls a component that is being constructed with the
    /// given owner into the open load, unless there is none or the owner is itself part of
    /// the load (then the component is a part its owner creates for itself). `loaded` is
    /// called when the load ends, provided the component still exists. Returns whether it
    /// was enrolled (so is loading).
    static bool Enroll(QObject* component, QObject* owner, std::function<void()> loaded);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace vek
