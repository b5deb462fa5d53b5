#include "accessible_p.h"

#include <QWidget>

#include <cmath>

namespace vek {

TAccessibleControl::TAccessibleControl(QWidget* control, QAccessible::Role role)
    : QAccessibleWidget(control, role)
{
}

QString TAccessibleControl::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        // An application that names the control knows best; then what the user reads
        // on or beside it.
        if (const QString name = widget()->accessibleName(); !name.isEmpty())
            return name;
        if (const QString caption = WithoutMnemonic(Caption()); !caption.isEmpty())
            return caption;
        if (const QString buddyLabel = QAccessibleWidget::text(t); !buddyLabel.isEmpty())
            return buddyLabel;
        return widget()->toolTip();
    }
    case QAccessible::Value:
        return ValueText();
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList TAccessibleControl::actionNames() const
{
    const QString main = MainAction();
    return main.isEmpty() ? QAccessibleWidget::actionNames()
                          : QStringList{main} + QAccessibleWidget::actionNames();
}

void TAccessibleControl::doAction(const QString& name)
{
    if (name.isEmpty() || name != MainAction())
        QAccessibleWidget::doAction(name);
    else if (widget()->isEnabled())
        DoMainAction();
}

void* TAccessibleRangeControl::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return TAccessibleControl::interface_cast(t);
}

void TAccessibleRange::setCurrentValue(const QVariant& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (ok && std::isfinite(number))
        SetCurrent(number);
}

QString WithoutMnemonic(const QString& caption)
{
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i; // the character after an ampersand is taken literally
        text += caption[i];
    }
    return text;
}

} // namespace vek
