#include "notify_p.h"

#include <frame/controls/widgetcomponent.h>

#include <QCoreApplication>

namespace vek {

bool AccessibilityListens(const QWidget* control)
{
    if (!QAccessible::isActive() || !control || QCoreApplication::closingDown())
        return false;
    // Settings read in bulk would announce every step; the control reads out whole once
    // it is loaded.
    const auto* component = dynamic_cast<const TWidgetComponent*>(control);
    return !component || !component->ComponentState().testFlag(csLoading);
}

void NotifyValueChanged(QWidget* control)
{
    if (!AccessibilityListens(control))
        return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    if (!iface)
        return;
    const QAccessibleValueInterface* range = iface->valueInterface();
    QAccessibleValueChangeEvent event(control, range ? range->currentValue()
                                                     : QVariant(iface->text(QAccessible::Value)));
    QAccessible::updateAccessibility(&event);
}

void NotifyStateChanged(QWidget* control, QAccessible::State changed)
{
    if (!AccessibilityListens(control))
        return;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void NotifyCheckedChanged(QWidget* control)
{
    QAccessible::State checked;
    checked.checked = true;
    NotifyStateChanged(control, checked);
}

void NotifyNameChanged(QWidget* control)
{
    if (!AccessibilityListens(control))
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void NotifySelectionChanged(QWidget* control)
{
    if (!AccessibilityListens(control))
        return;
    QAccessibleEvent event(control, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&event);
}

void NotifySelectedEntryChanged(QWidget* control)
{
    NotifySelectionChanged(control);
    NotifyValueChanged(control);
}

} // namespace vek
