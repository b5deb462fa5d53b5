// TNumIO2 for screen readers: a spin box (an edit field when its buttons are hidden)
// named by its left text, its value the number in RangeLow..RangeHigh stepped by the
// buttons' increment; an assistive tool may set the value as the user would.
#include "numio2_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>
#include <frame/core/application.h>

namespace vek {

namespace {

class NumIO2Accessible : public TAccessibleRangeControl {
public:
    explicit NumIO2Accessible(TNumIO2* field) : TAccessibleRangeControl(field, QAccessible::SpinBox) {}

    QAccessible::Role role() const override
    {
        return Field()->ButVisible() ? QAccessible::SpinBox : QAccessible::EditableText;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = TAccessibleRangeControl::state();
        s.readOnly = Field()->ReadOnly();
        s.editable = !s.readOnly;
        return s;
    }

protected:
    QString Caption() const override { return Field()->LeftText(); }
    QString ValueText() const override { return Field()->Text(); }
    double Current() const override { return Field()->Value(); }
    double Minimum() const override { return Field()->RangeLow(); }
    double Maximum() const override { return Field()->RangeHigh(); }
    double StepSize() const override { return Field()->ButIncrem(); }
    void SetCurrent(double value) override
    {
        if (Field()->isEnabled() && !Field()->ReadOnly())
            RunGuarded(Field(), [this, value] { Field()->SetValue(value); });
    }

private:
    TNumIO2* Field() const { return static_cast<TNumIO2*>(widget()); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TNumIO2, NumIO2Accessible>();

} // namespace

void numio2::AnnounceChanges(TNumIO2* field)
{
    AnnounceOn(field, &TNumIO2::valueChanged, NotifyValueChanged);
}

} // namespace vek
