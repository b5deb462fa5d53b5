// TSevenSeg for screen readers: static text whose value is the caption on the digits.
#include "sevenseg_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

namespace vek {

namespace {

class SevenSegAccessible : public TAccessibleControl {
public:
    explicit SevenSegAccessible(TSevenSeg* display)
        : TAccessibleControl(display, QAccessible::StaticText)
    {
    }

protected:
    QString ValueText() const override { return static_cast<TSevenSeg*>(widget())->Caption(); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TSevenSeg, SevenSegAccessible>();

} // namespace

void sevenseg::AnnounceChanges(TSevenSeg* display)
{
    AnnounceOn(display, &TSevenSeg::captionChanged, NotifyValueChanged);
}

} // namespace vek
