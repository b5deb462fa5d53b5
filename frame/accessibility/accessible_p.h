// The base of the controls' accessible interfaces. Each unit describes its control in a
// small subclass (its role, caption and value text, its range where it has one) and
// registers it with the library's factory (factory_p.h); the controls report their
// changes through the helpers in notify_p.h.
#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace vek {

/// A control as a screen reader sees it. Its name is, in this order, the application's
/// accessibleName, the caption the control shows, the text of a label whose buddy it is,
/// and its tool tip; its value is the text the control shows as its value.
class TAccessibleControl : public QAccessibleWidget {
public:
    TAccessibleControl(QWidget* control, QAccessible::Role role);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& name) override;

protected:
    /// The action a reader offers first (pressAction(), toggleAction()); none by default.
    virtual QString MainAction() const { return {}; }
    /// Runs the main action; called only while the control is enabled.
    virtual void DoMainAction() {}
    /// The caption the control shows; empty where it has none.
    virtual QString Caption() const { return {}; }
    /// The value as the control shows it; empty where it shows none.
    virtual QString ValueText() const { return {}; }
};

/// The value interface of a control whose value is a number in a range (fields, meter,
/// progress bar), for an interface to inherit beside its control base.
class TAccessibleRange : public QAccessibleValueInterface {
public:
    QVariant currentValue() const override { return Current(); }
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override { return Maximum(); }
    QVariant minimumValue() const override { return Minimum(); }
    QVariant minimumStepSize() const override { return StepSize(); }

protected:
    virtual double Current() const = 0;
    virtual double Minimum() const = 0;
    virtual double Maximum() const = 0;
    /// The step of the control's own buttons or keys; 0 where it has none.
    virtual double StepSize() const { return 0; }
    /// Takes a value an assistive tool sets; displays keep their value (the default).
    virtual void SetCurrent(double) {}
};

/// A drawn control with a ranged value.
class TAccessibleRangeControl : public TAccessibleControl, public TAccessibleRange {
public:
    using TAccessibleControl::TAccessibleControl;

    void* interface_cast(QAccessible::InterfaceType t) override;
};

/// The caption text without its mnemonic ampersands ("&Start" reads "Start", "&&" "&").
QString WithoutMnemonic(const QString& caption);

} // namespace vek
