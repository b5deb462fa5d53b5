#include "buttongroups.h"

#include <QCoreApplication>
#include <QPointer>
#include <QVector>

namespace vek {

TButtonPressedEvent::TButtonPressedEvent(int groupIndex, QWidget* sender)
    : QEvent(EventType()), FGroupIndex(groupIndex), FSender(sender)
{
}

QEvent::Type TButtonPressedEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void BroadcastButtonPressed(QWidget* sender, int groupIndex)
{
    QWidget* parent = sender->parentWidget();
    if (!parent)
        return;
    // A receiver's reaction may delete or reparent siblings: walk a guarded snapshot.
    QVector<QPointer<QWidget>> siblings;
    for (QObject* child : parent->children())
        if (child->isWidgetType())
            siblings.append(static_cast<QWidget*>(child));
    for (const QPointer<QWidget>& sibling : siblings) {
        if (!sibling)
            continue;
        TButtonPressedEvent event(groupIndex, sender);
        QCoreApplication::sendEvent(sibling, &event);
    }
}

} // namespace vek
