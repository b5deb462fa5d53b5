// The component model: Name, Owner, ComponentState and Loaded, shared by non-visual
// components (TComponent, a QObject) and controls (TControl, a QWidget).
#pragma once

#include "persistent.h"
#include "types.h"

#include <QObject>

#include <functional>

namespace vek {

/// The state part of the component model. A component is created designing when its
/// owner is (the dynamic property "vekDesigning" on any QObject marks a designer form),
/// so that a form designer only needs to mark the form it places controls on. It is
/// created loading when a TFormLoad is open (formload.h); `loaded` is the component's
/// Loaded, which the load calls when it ends.
class VEK_EXPORT TComponentCore {
public:
    /// The dynamic property that marks a designer form (and a designing component).
    static constexpr const char* DesigningProperty = "vekDesigning";

    /// Reads the designing state inherited from the owner and joins an open form load.
    TComponentCore(QObject* self, QObject* owner, const std::function<void()>& loaded);

    /// csDesigning and csLoading as they stand; the setters switch one of them.
    TComponentState State() const { return FState; }
    void SetDesigning(bool designing);
    void SetLoading(bool loading);

private:
    QObject* FSelf;
    TComponentState FState;
};

/// A non-visual component. Its owner is its QObject parent.
class VEK_EXPORT TComponent : public QObject, public TPersistent {
    Q_OBJECT

public:
    /// A component owned by owner (its QObject parent).
    explicit TComponent(QObject* owner = nullptr);

    /// The component name (the objectName); it names the component in error messages.
    QString Name() const { return objectName(); }
    void SetName(const QString& value) { setObjectName(value); }
    /// The owner: the parent given at construction.
    QObject* Owner() const { return parent(); }
    /// csDesigning while placed in a form designer, csLoading while settings are read.
    TComponentState ComponentState() const { return FCore.State(); }
    /// Puts the component into or out of design mode (as a form designer does).
    void SetDesigning(bool designing) { FCore.SetDesigning(designing); }

    /// Stored settings are being read: BeginLoading sets csLoading; EndLoading calls
    /// Loaded, which clears it.
    void BeginLoading() { FCore.SetLoading(true); }
    void EndLoading() { Loaded(); }

protected:
    /// Stored settings have been read; clears csLoading.
    virtual void Loaded() { FCore.SetLoading(false); }

private:
    TComponentCore FCore;
};

/// The Tag of any component or control: an integer the application keeps with it (the
/// dynamic property "Tag", so plain Qt widgets carry one as well); 0 unless set.
VEK_EXPORT int Tag(const QObject* component);
VEK_EXPORT void SetTag(QObject* component, int value);

} // namespace vek
