// Designer's form editor without Designer's window: its core, the plugins on the plugin
// path, and the panels its form windows rely on (widget box, property editor, object
// inspector), on a host widget that is never shown. The snapshot tool takes its pictures
// with it, and the tests open forms in it.
#pragma once

#include <QWidget>
#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerIntegration>

namespace vekdesigner {

/// The form editor of this process, made on first use. It is never destroyed: its panels
/// refer to each other and to the core in ways only Designer's own shutdown untangles,
/// and the process ends soon after its last use anyway.
inline QDesignerFormEditorInterface* HeadlessDesigner()
{
    static QDesignerFormEditorInterface* core = nullptr;
    if (core)
        return core;
    auto* host = new QWidget;
    QDesignerComponents::initializeResources();
    core = QDesignerComponents::createFormEditor(host);
    QDesignerComponents::initializePlugins(core);
    core->setWidgetBox(QDesignerComponents::createWidgetBox(core, host));
    core->setPropertyEditor(QDesignerComponents::createPropertyEditor(core, host));
    core->setObjectInspector(QDesignerComponents::createObjectInspector(core, host));
    new QDesignerIntegration(core, host);
    return core;
}

} // namespace vekdesigner
