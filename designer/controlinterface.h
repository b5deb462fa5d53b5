// One control as Designer sees it: its widget-box entry (name, group, icon, texts,
// include file, default geometry) and its factory.
#pragma once

#include "catalog.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace vekdesigner {

/// The widget-box group that holds every control of the library.
inline constexpr const char* GroupName = "VekControls";

class TControlInterface : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    TControlInterface(const TControlEntry& entry, QObject* parent);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QString domXml() const override;

    /// Inside Designer a control on a form window is designing (no timers, no file
    /// system); under QUiLoader, in Designer's preview and in a program it runs. Either
    /// way it is loading until the form has set its properties (LoadUntilPolished).
    QWidget* createWidget(QWidget* parent) override;

    bool isInitialized() const override { return FCore != nullptr; }
    void initialize(QDesignerFormEditorInterface* core) override;

private:
    const TControlEntry& FEntry;
    // Designer's core once Designer has initialized the plugin.
    QPointer<QDesignerFormEditorInterface> FCore;
    mutable QIcon FIcon;
};

} // namespace vekdesigner
