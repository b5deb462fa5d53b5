// TMiniCal for screen readers: the calendar's value is its selected date in the
// application's long date format, announced whenever the date is set or picked.
#include "minical_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

#include <QLocale>

namespace vek {

namespace {

class MiniCalAccessible : public TAccessibleControl {
public:
    explicit MiniCalAccessible(TMiniCal* calendar) : TAccessibleControl(calendar, QAccessible::Client) {}

protected:
    QString ValueText() const override
    {
        return QLocale().toString(static_cast<TMiniCal*>(widget())->qDate(), QLocale::LongFormat);
    }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TMiniCal, MiniCalAccessible>();

} // namespace

void minical::AnnounceChanges(TMiniCal* calendar)
{
    AnnounceOn(calendar, &TMiniCal::dateChanged, NotifyValueChanged);
}

} // namespace vek
