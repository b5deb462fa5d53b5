#include "plugin_access.h"

#include <gtest/gtest.h>

#include <QPluginLoader>

namespace vektest {

QList<QDesignerCustomWidgetInterface*> DesignerWidgets()
{
    static QPluginLoader loader(QStringLiteral(VEK_DESIGNER_PLUGIN_FILE));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    EXPECT_NE(collection, nullptr) << qPrintable(loader.errorString());
    return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>();
}

QDesignerCustomWidgetInterface* DesignerWidget(const QString& className)
{
    for (QDesignerCustomWidgetInterface* widget : DesignerWidgets())
        if (widget->name() == className)
            return widget;
    return nullptr;
}

const QStringList& ControlClassNames()
{
    static const QStringList names{
        "vek::TNumIO",     "vek::TNumIO2",         "vek::TNumLab",     "vek::TSevenSeg",
        "vek::TRasterLab", "vek::TRotLab",          "vek::TMeter",      "vek::TProgBar",
        "vek::TOnOffBut",  "vek::TRepSpeedButton",  "vek::TColSel",     "vek::TMarkSel",
        "vek::TThumbnails", "vek::TFolderTree",     "vek::TGradFill",   "vek::TMiniCal",
        "vek::TReportListView", "vek::TNTabEd"};
    return names;
}

} // namespace vektest
