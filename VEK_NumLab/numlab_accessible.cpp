// TNumLab for screen readers: static text named by its left text, its value the text in
// the box followed by the right text (the unit).
#include "numlab_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

namespace vek {

namespace {

class NumLabAccessible : public TAccessibleControl {
public:
    explicit NumLabAccessible(TNumLab* label) : TAccessibleControl(label, QAccessible::StaticText) {}

protected:
    QString Caption() const override { return Label()->LeftText(); }
    QString ValueText() const override
    {
        if (Label()->Empty())
            return {};
        return (Label()->DisplayText() + u' ' + Label()->RightText()).trimmed();
    }

private:
    TNumLab* Label() const { return static_cast<TNumLab*>(widget()); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TNumLab, NumLabAccessible>();

} // namespace

void numlab::AnnounceChanges(TNumLab* label)
{
    AnnounceOn(label, &TNumLab::valueChanged, NotifyValueChanged);
}

} // namespace vek
