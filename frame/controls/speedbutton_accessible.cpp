// TSpeedButton (and the repeating button built on it) for screen readers: a push button
// named by its caption; a group button is checkable and checked while held down.
#include "speedbutton_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

namespace vek {

namespace {

class SpeedButtonAccessible : public TAccessibleControl {
public:
    explicit SpeedButtonAccessible(TSpeedButton* button)
        : TAccessibleControl(button, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = TAccessibleControl::state();
        s.pressed = Button()->State() == bsDown;
        if (Button()->GroupIndex() != 0) {
            s.checkable = true;
            s.checked = Button()->Down();
        }
        return s;
    }

protected:
    QString MainAction() const override { return pressAction(); }
    void DoMainAction() override { Button()->Click(); }
    QString Caption() const override { return Button()->Caption(); }

private:
    TSpeedButton* Button() const { return static_cast<TSpeedButton*>(widget()); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TSpeedButton, SpeedButtonAccessible>();

} // namespace

void speedbutton::AnnounceChanges(TSpeedButton* button)
{
    AnnounceOn(button, &TSpeedButton::downChanged, NotifyCheckedChanged);
}

} // namespace vek
