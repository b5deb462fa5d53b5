#include "plugin.h"

#include "controlinterface.h"

namespace vekdesigner {

TControlsPlugin::TControlsPlugin(QObject* parent) : QObject(parent)
{
    for (const TControlEntry& entry : Controls())
        FWidgets.append(new TControlInterface(entry, this));
}

QList<QDesignerCustomWidgetInterface*> TControlsPlugin::customWidgets() const
{
    return FWidgets;
}

} // namespace vekdesigner
