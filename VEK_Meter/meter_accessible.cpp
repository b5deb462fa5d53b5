// TMeter for screen readers: a dial named by its caption, its value the primary needle's
// reading in the scale's range, with the scale's decimals.
#include "meter_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

#include <QLocale>

#include <algorithm>

namespace vek {

namespace {

class MeterAccessible : public TAccessibleRangeControl {
public:
    explicit MeterAccessible(TMeter* meter) : TAccessibleRangeControl(meter, QAccessible::Dial) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = TAccessibleRangeControl::state();
        s.readOnly = true;
        return s;
    }

protected:
    QString Caption() const override { return Meter()->Caption(); }
    QString ValueText() const override
    {
        return QLocale().toString(Current(), 'f', std::clamp(Meter()->MeterDecPlaces(), 0, 15));
    }
    double Current() const override { return Meter()->Value(); }
    double Minimum() const override { return Meter()->MeterMinValue(); }
    double Maximum() const override { return Meter()->MeterMaxValue(); }

private:
    TMeter* Meter() const { return static_cast<TMeter*>(widget()); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TMeter, MeterAccessible>();

} // namespace

void meter::AnnounceChanges(TMeter* meter)
{
    AnnounceOn(meter, &TMeter::valueChanged, NotifyValueChanged);
}

} // namespace vek
