// TMarkSel for screen readers: a list whose value is the selected mark's number
// ("Mark 12", "None"), announced when the selection changes.
#include "marksel_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

namespace vek {

namespace {

class MarkSelAccessible : public TAccessibleControl {
public:
    explicit MarkSelAccessible(TMarkSel* selector) : TAccessibleControl(selector, QAccessible::List) {}

protected:
    QString ValueText() const override
    {
        const int mark = static_cast<TMarkSel*>(widget())->Selected();
        return mark == marksel::NoMark ? QStringLiteral("None") : QStringLiteral("Mark %1").arg(mark);
    }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TMarkSel, MarkSelAccessible>();

} // namespace

void marksel::AnnounceChanges(TMarkSel* selector)
{
    AnnounceOn(selector, &TMarkSel::selectedChanged, NotifySelectedEntryChanged);
}

} // namespace vek
