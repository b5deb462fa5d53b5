// Button groups among sibling controls: a button that switches on tells every control of
// its parent, so that the other members of its group can switch off. The notification
// is a synchronous Qt event sent to each sibling; controls that do not take part in
// groups ignore it.
#pragma once

#include <frame/core/vekglobal.h>

#include <QEvent>
#include <QWidget>

namespace vek {

/// "A member of group GroupIndex went down or changed its group settings", sent by
/// Sender to each of its siblings. A short-lived event object, like Qt's own input events.
class VEK_EXPORT TButtonPressedEvent : public QEvent {
public:
    /// The notification of group groupIndex from sender.
    TButtonPressedEvent(int groupIndex, QWidget* sender);

    /// The event type all group notifications use (registered once).
    static QEvent::Type EventType();

    /// The group of the sender.
    int GroupIndex() const { return FGroupIndex; }
    /// The button that went down; receivers recognise themselves.
    QWidget* Sender() const { return FSender; }

private:
    int FGroupIndex;
    QWidget* FSender;
};

/// Sends a TButtonPressedEvent to every widget child of sender's parent, sender included
/// (receivers recognise themselves). Does nothing for a control without parent.
VEK_EXPORT void BroadcastButtonPressed(QWidget* sender, int groupIndex);

} // namespace vek
