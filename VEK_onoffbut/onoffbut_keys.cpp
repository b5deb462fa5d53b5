// TOnOffBut: the keyboard. Space works as the left mouse button where a click counts:
// its press is the button's press and its release the click, so a speed button is on
// while Space is held. The arrow keys move through a group as through radio buttons.
#include "onoffbut_p.h"

#include <frame/controls/keys.h>
#include <frame/core/application.h>

#include <QFocusEvent>

#include <algorithm>

namespace vek {

// A button that ignores the mouse is an indicator: Tab passes it by.
void TOnOffBut::FollowMouseAction()
{
    setFocusPolicy(d->looks.mouseAction == oomaNone ? Qt::NoFocus : Qt::StrongFocus);
}

void TOnOffBut::KeyDown(int& Key, TShiftState Shift)
{
    TGraphicControl::KeyDown(Key, Shift);
    if (!Enabled() || d->looks.mouseAction == oomaNone)
        return;
    switch (Key) {
    case VK_SPACE:
        if (!KeyAutoRepeat() && !d->spaceHeld) {
            d->spaceHeld = true;
            Press();
        }
        break;
    case VK_LEFT:
    case VK_UP:
        if (!MoveInGroup(-1))
            return;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        if (!MoveInGroup(1))
            return;
        break;
    default:
        return;
    }
    Key = 0;
}

void TOnOffBut::KeyUp(int& Key, TShiftState Shift)
{
    TGraphicControl::KeyUp(Key, Shift);
    if (Key != VK_SPACE || KeyAutoRepeat() || !std::exchange(d->spaceHeld, false))
        return;
    Release();
    Key = 0;
}

// The release of a Space held while the focus goes elsewhere never comes here: no click
// follows, and a speed button that Space held on comes up, as nothing holds it now.
void TOnOffBut::focusOutEvent(QFocusEvent* event)
{
    TGraphicControl::focusOutEvent(event);
    if (!std::exchange(d->spaceHeld, false))
        return;
    RunGuarded(this, [this] {
        if (d->mode == oobmSpeedBut && d->looks.onOff)
            StoreOnOff(false);
    });
}

// The focus and the on state go to the next member of the group that takes the
// keyboard, in the order the members were created, wrapping at the ends.
bool TOnOffBut::MoveInGroup(int step)
{
    if (d->groupIndex == 0 || !parentWidget())
        return false;
    QList<TOnOffBut*> members;
    for (auto* member : parentWidget()->findChildren<TOnOffBut*>(Qt::FindDirectChildrenOnly))
        if (member == this || (member->d->groupIndex == d->groupIndex &&
                               member->isEnabled() && member->isVisible() &&
                               member->focusPolicy() != Qt::NoFocus))
            members.append(member);
    if (members.size() < 2)
        return false;
    const qsizetype here = members.indexOf(this);
    TOnOffBut* next = members[(here + step + members.size()) % members.size()];
    next->setFocus(Qt::TabFocusReason);
    if (!next->OnOff())
        next->click();
    return true;
}

} // namespace vek
