#include "accessibility_fixture.h"

namespace vektest {

namespace {

std::vector<RecordedEvent>& Recorded()
{
    static std::vector<RecordedEvent> events;
    return events;
}

void Record(QAccessibleEvent* event)
{
    RecordedEvent recorded{event->type(), event->object(), {}, {}, {}};
    if (event->type() == QAccessible::ValueChanged)
        recorded.value = static_cast<QAccessibleValueChangeEvent*>(event)->value();
    if (event->type() == QAccessible::StateChanged)
        recorded.changedStates = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
    if (QAccessibleInterface* iface = event->accessibleInterface();
        iface && event->child() >= 0) {
        if (QAccessibleInterface* child = iface->child(event->child()))
            recorded.childText = child->text(QAccessible::Name);
    } else if (iface && !iface->object()) {
        recorded.childText = iface->text(QAccessible::Name);
    }
    Recorded().push_back(recorded);
}

} // namespace

void AccessibilityTest::SetUp()
{
    ClearEvents();
    FPreviousHandler = QAccessible::installUpdateHandler(Record);
    SetPlatformAccessibilityActive(true);
}

void AccessibilityTest::TearDown()
{
    SetPlatformAccessibilityActive(false);
    QAccessible::installUpdateHandler(FPreviousHandler);
}

QAccessibleInterface* AccessibilityTest::Interface(QWidget* control)
{
    return QAccessible::queryAccessibleInterface(control);
}

std::vector<RecordedEvent> AccessibilityTest::Events(QAccessible::Event type, const QObject* control)
{
    std::vector<RecordedEvent> found;
    for (const RecordedEvent& event : Recorded())
        if (event.type == type && event.object == control)
            found.push_back(event);
    return found;
}

void AccessibilityTest::ClearEvents() { Recorded().clear(); }

} // namespace vektest
