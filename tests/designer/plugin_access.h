// The Designer plugin as the tests reach it: loaded once with QPluginLoader from the
// build tree, as Designer and QUiLoader load it.
#pragma once

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QList>
#include <QStringList>

namespace vektest {

/// The plugin's widget interfaces, in widget-box order; fails the test when the plugin
/// does not load.
QList<QDesignerCustomWidgetInterface*> DesignerWidgets();

/// The widget interface of one class ("vek::TMeter"), or nullptr.
QDesignerCustomWidgetInterface* DesignerWidget(const QString& className);

/// Every control of the library that is a widget, as the README's table lists them.
const QStringList& ControlClassNames();

} // namespace vektest
