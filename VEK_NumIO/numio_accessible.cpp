// TNumIO for screen readers: an edit field with the line edit's text interfaces and the
// number it holds in RangeLow..RangeHigh; a value an assistive tool sets is kept in that
// range, since the field checks typed numbers against it.
#include "numio_p.h"

#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/lineedit_p.h>
#include <frame/accessibility/notify_p.h>

#include <algorithm>

namespace vek {

namespace {

class NumIOAccessible : public TAccessibleLineEdit, public TAccessibleRange {
public:
    explicit NumIOAccessible(TNumIO* field) : TAccessibleLineEdit(field) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return TAccessibleLineEdit::interface_cast(t);
    }

protected:
    double Current() const override { return Field()->Value(); }
    double Minimum() const override { return Field()->RangeLow(); }
    double Maximum() const override { return Field()->RangeHigh(); }
    void SetCurrent(double value) override
    {
        if (Field()->isEnabled() && !Field()->isReadOnly())
            Field()->SetValue(std::clamp(value, Minimum(), std::max(Minimum(), Maximum())));
    }

private:
    TNumIO* Field() const { return static_cast<TNumIO*>(widget()); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TNumIO, NumIOAccessible>();

} // namespace

void numio::AnnounceChanges(TNumIO* field)
{
    AnnounceOn(field, &TNumIO::valueChanged, NotifyValueChanged);
}

} // namespace vek
