// Every control of the Designer plugin's catalog, every property of ours written with
// hostile values (non-finite and extreme numbers, empty and 100,000-character texts,
// enumeration ordinals that name nothing), then sized to nothing, to one pixel and to
// 4000 x 3000: each step must paint, and paint in bounded time. A setter may refuse a
// value with the library's own errors (EVEKError, EConvertError for impossible dates),
// but the control must paint afterwards.
#include "paint_probe.h"

#include <catalog.h>

#include <frame/core/errors.h>

#include <gtest/gtest.h>

#include <QColor>
#include <QDate>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QWidget>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace {

using vektest::PaintProbe;

// Enumerations are written as raw ordinals (a value of the enumeration's own size), so
// that a setter sees what a corrupt form or a cast from an integer would give it.
QVariant Ordinal(QMetaType type, qint64 ordinal)
{
    QByteArray raw(type.sizeOf(), '\0');
    std::memcpy(raw.data(), &ordinal, std::min<size_t>(raw.size(), sizeof ordinal));
    return QVariant(type, raw.constData());
}

// Ordinals that name no value but that the enumeration can hold (any value of its
// named values' bit width: C++ leaves values beyond that undefined): the first gap and
// the top of the range.
QList<QVariant> UnnamedOrdinals(const QMetaProperty& property)
{
    const QMetaEnum enumerator = property.enumerator();
    int highest = 0;
    for (int i = 0; i < enumerator.keyCount(); ++i)
        highest = std::max(highest, enumerator.value(i));
    const int top = int(std::bit_ceil(unsigned(highest) + 1) - 1);
    QList<QVariant> ordinals;
    for (int ordinal = 0; ordinal <= top && ordinals.isEmpty(); ++ordinal)
        if (!enumerator.valueToKey(ordinal))
            ordinals << Ordinal(property.metaType(), ordinal);
    if (!enumerator.valueToKey(top) && top > 0)
        ordinals << Ordinal(property.metaType(), top);
    return ordinals;
}

QList<QVariant> HostileValues(const QMetaProperty& property)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const QString longText(100'000, u'W');
    if (property.isEnumType())
        return UnnamedOrdinals(property);
    switch (property.metaType().id()) {
    case QMetaType::Double:
        return {std::nan(""), inf, -inf, 1e308, -1e308, 0.0, -1.0};
    case QMetaType::Int:
        return {std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), 0, -1};
    case QMetaType::UInt:
        return {0u, std::numeric_limits<unsigned>::max()};
    case QMetaType::Bool:
        return {true, false};
    case QMetaType::QString:
        return {QString(), longText, QStringLiteral("\n\t%s%n&&\x01")};
    case QMetaType::QColor:
        return {QColor(), QColor(Qt::transparent)};
    case QMetaType::QDate:
        return {QDate(), QDate(1, 1, 1), QDate(9999, 12, 31)};
    default:
        ADD_FAILURE() << "no hostile values for the type " << property.typeName();
        return {};
    }
}

// The properties the library declares: those of Qt's own classes are Qt's business.
bool IsOurs(const QMetaObject* meta, int index)
{
    while (meta->superClass() && meta->propertyOffset() > index)
        meta = meta->superClass();
    return QByteArray(meta->className()).startsWith("vek::");
}

std::string Describe(const QMetaProperty& property, const QVariant& value)
{
    QString text = value.toString();
    if (text.size() > 20)
        text = QStringLiteral("<%1 characters>").arg(text.size());
    return std::string(property.name()) + " = " + text.toStdString();
}

void WriteRefusable(QWidget* control, const QMetaProperty& property, const QVariant& value)
{
    try {
        property.write(control, value);
    } catch (const vek::EVEKError&) {
        // Refused with the library's own error: the control must still paint.
    } catch (const vek::EConvertError&) {
    }
}

void WriteEachPropertyAtItsLimits(QWidget* control, PaintProbe& probe)
{
    const QMetaObject* meta = control->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable() || !IsOurs(meta, i))
            continue;
        const QVariant original = property.read(control);
        for (const QVariant& value : HostileValues(property)) {
            const std::string step = Describe(property, value);
            WriteRefusable(control, property, value);
            probe.ExpectPaints(control, step);
        }
        WriteRefusable(control, property, original);
    }
}

void ExpectPaintsAtEverySize(QWidget* control, PaintProbe& probe)
{
    const QSize natural = control->size();
    for (const QSize size : {QSize(0, 0), QSize(1, 1), QSize(4000, 3000), natural}) {
        control->resize(size);
        probe.ExpectPaints(control, "size " + std::to_string(size.width()) + " x " +
                                        std::to_string(size.height()));
    }
}

class PropertyLimits : public ::testing::TestWithParam<vekdesigner::TControlEntry> {};

TEST_P(PropertyLimits, EveryPropertyAndSizePaints)
{
    std::unique_ptr<QWidget> control(GetParam().create(nullptr));
    control->setObjectName(QStringLiteral("Walked1"));
    PaintProbe probe;
    probe.ExpectPaints(control.get(), "as created");
    WriteEachPropertyAtItsLimits(control.get(), probe);
    ExpectPaintsAtEverySize(control.get(), probe);
}

std::string ControlName(const ::testing::TestParamInfo<vekdesigner::TControlEntry>& info)
{
    return QByteArray(info.param.className).replace("vek::", "").toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryControl, PropertyLimits,
                         ::testing::ValuesIn(vekdesigner::Controls().begin(),
                                             vekdesigner::Controls().end()),
                         ControlName);

} // namespace
