#include "factory_p.h"

#include <QHash>

namespace vek {

namespace {

QHash<QString, TAccessibleCreator>& Creators()
{
    static QHash<QString, TAccessibleCreator> creators;
    return creators;
}

QAccessibleInterface* CreateAccessible(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const TAccessibleCreator creator = Creators().value(className);
    return creator ? creator(static_cast<QWidget*>(object)) : nullptr;
}

} // namespace

bool RegisterAccessible(const char* className, TAccessibleCreator creator)
{
    if (Creators().isEmpty())
        QAccessible::installFactory(CreateAccessible);
    Creators().insert(QString::fromLatin1(className), creator);
    return true;
}

} // namespace vek
