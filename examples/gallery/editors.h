// Small property editors the gallery pages share: a combo box over an enumeration known
// to Qt's meta-object system and a spin box for an integer property.
#pragma once

#include <QComboBox>
#include <QMetaEnum>
#include <QSpinBox>

#include <functional>

// A combo box listing the enumeration's names, set to current; apply gets each choice.
template <typename Enum>
QComboBox* EnumCombo(int current, const std::function<void(Enum)>& apply)
{
    auto* combo = new QComboBox;
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    for (int i = 0; i < meta.keyCount(); ++i)
        combo->addItem(QString::fromLatin1(meta.key(i)), meta.value(i));
    combo->setCurrentIndex(combo->findData(current));
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                     [combo, apply](int) { apply(Enum(combo->currentData().toInt())); });
    return combo;
}

// A spin box over low..high showing value; apply gets each new value.
inline QSpinBox* IntEditor(int low, int high, int value, const std::function<void(int)>& apply)
{
    auto* spin = new QSpinBox;
    spin->setRange(low, high);
    spin->setValue(value);
    QObject::connect(spin, &QSpinBox::valueChanged, spin, apply);
    return spin;
}
