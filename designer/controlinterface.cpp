#include "controlinterface.h"

#include "controlpicture.h"

#include <frame/controls/widgetcomponent.h>

#include <QtDesigner/QDesignerFormWindowInterface>

namespace vekdesigner {

TControlInterface::TControlInterface(const TControlEntry& entry, QObject* parent)
    : QObject(parent), FEntry(entry)
{
}

QString TControlInterface::name() const { return QString::fromLatin1(FEntry.className); }
QString TControlInterface::group() const { return QString::fromLatin1(GroupName); }
QString TControlInterface::toolTip() const { return QString::fromUtf8(FEntry.toolTip); }
QString TControlInterface::whatsThis() const { return QString::fromUtf8(FEntry.whatsThis); }
QString TControlInterface::includeFile() const { return QString::fromLatin1(FEntry.header); }

QIcon TControlInterface::icon() const
{
    // Drawn on first request: the widget box asks once Designer is up.
    if (FIcon.isNull())
        FIcon = ControlIcon(FEntry);
    return FIcon;
}

QString TControlInterface::domXml() const
{
    const QSize size = DefaultSize(FEntry);
    return QStringLiteral(
               "<ui language=\"c++\">\n"
               " <widget class=\"%1\" name=\"%2\">\n"
               "  <property name=\"geometry\">\n"
               "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
               "  </property>\n"
               "%5"
               " </widget>\n"
               "</ui>\n")
        .arg(name(), DefaultObjectName(FEntry.className))
        .arg(size.width())
        .arg(size.height())
        .arg(FEntry.designProperties ? FEntry.designProperties() : QString());
}

QWidget* TControlInterface::createWidget(QWidget* parent)
{
    // Designer's preview builds the form outside any form window: there the controls
    // run as they will in the program.
    const bool designing = FCore && QDesignerFormWindowInterface::findFormWindow(parent);
    QWidget* widget = designing ? CreateDesigning(FEntry, parent) : FEntry.create(parent);
    dynamic_cast<vek::TWidgetComponent*>(widget)->LoadUntilPolished();
    return widget;
}

void TControlInterface::initialize(QDesignerFormEditorInterface* core)
{
    FCore = core;
}

} // namespace vekdesigner
