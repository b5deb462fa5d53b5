// TOnOffBut for screen readers: a check box (a radio button in a group that keeps one
// member on) named by its captions, checked while on, toggled by the toggle action.
#include "onoffbut_p.h"

#include <frame/accessibility/accessible_p.h>
#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>

#include <QStringList>

namespace vek {

namespace {

class OnOffButAccessible : public TAccessibleControl {
public:
    explicit OnOffButAccessible(TOnOffBut* button) : TAccessibleControl(button, QAccessible::CheckBox) {}

    QAccessible::Role role() const override
    {
        const bool oneAlwaysOn = Button()->GroupIndex() != 0 && !Button()->AllowAllOff();
        return oneAlwaysOn ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = TAccessibleControl::state();
        s.checkable = true;
        s.checked = Button()->OnOff();
        return s;
    }

protected:
    QString MainAction() const override { return toggleAction(); }
    void DoMainAction() override { Button()->toggle(); }
    // All captions around the switch, top to bottom and left to right: a title above,
    // "Off" and "On" beside it read as "Pump Off On".
    QString Caption() const override
    {
        QStringList texts{Button()->TopText(), Button()->LeftText(), Button()->RightText(),
                          Button()->BottomText()};
        texts.removeAll(QString());
        return texts.join(u' ');
    }

private:
    TOnOffBut* Button() const { return static_cast<TOnOffBut*>(widget()); }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TOnOffBut, OnOffButAccessible>();

} // namespace

void onoffbut::AnnounceChanges(TOnOffBut* button)
{
    AnnounceOn(button, &TOnOffBut::checkedChanged, NotifyCheckedChanged);
}

} // namespace vek
