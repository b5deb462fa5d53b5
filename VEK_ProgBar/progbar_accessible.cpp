// TProgBar for screen readers: a progress bar with its value in Min..Max; the value text
// is the one the bar writes on itself.
#include "bartext.h"
#include "progbar_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

namespace vek {

namespace {

class ProgBarAccessible : public TAccessibleRangeControl {
public:
    explicit ProgBarAccessible(TProgBar* bar) : TAccessibleRangeControl(bar, QAccessible::ProgressBar) {}

protected:
    QString ValueText() const override
    {
        return progbar::FormatValueText(Bar()->Value(), Bar()->TextDecPlaces());
    }
    double Current() const override { return Bar()->Value(); }
    double Minimum() const override { return Bar()->Min(); }
    double Maximum() const override { return Bar()->Max(); }

private:
    TProgBar* Bar() const { return static_cast<TProgBar*>(widget()); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TProgBar, ProgBarAccessible>();

} // namespace

void progbar::AnnounceChanges(TProgBar* bar)
{
    AnnounceOn(bar, &TProgBar::valueChanged, NotifyValueChanged);
}

} // namespace vek
