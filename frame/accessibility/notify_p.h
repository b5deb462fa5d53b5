// What a control calls where its state changes, so that a screen reader announces it.
// Each helper returns at once while no accessibility client listens, and sends nothing for
// a control that is loading its settings or an application that is closing down.
#pragma once

#include <QAccessible>
#include <QVariant>
#include <QWidget>

namespace vek {

/// Whether events about control go out now (see the top of this header).
bool AccessibilityListens(const QWidget* control);

/// The control's value (or the text it shows as its value) changed; the event carries
/// the number of a ranged control, else the value text.
void NotifyValueChanged(QWidget* control);
/// States of the control changed (checked, for example).
void NotifyStateChanged(QWidget* control, QAccessible::State changed);
/// The control's checked state changed.
void NotifyCheckedChanged(QWidget* control);
/// The caption that names the control changed.
void NotifyNameChanged(QWidget* control);
/// The selection inside the control changed.
void NotifySelectionChanged(QWidget* control);
/// A control whose value names its selection changed it: both events.
void NotifySelectedEntryChanged(QWidget* control);

/// Calls notify(control) whenever control emits signal: controls announce their changes
/// from the signals that already report them, so every way of changing (code, mouse,
/// keys) is heard alike.
template <class Control, class Signal>
void AnnounceOn(Control* control, Signal signal, void (*notify)(QWidget*))
{
    QObject::connect(control, signal, control, [control, notify] { notify(control); });
}

} // namespace vek
