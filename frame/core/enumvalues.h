// Enumeration values that come from outside the code (a form, QObject::setProperty, a
// cast from an integer) may carry ordinals that name nothing. A setter that looks a
// value up in a table refuses those instead of reading past the table's end.
#pragma once

#include <QMetaEnum>

namespace vek {

/// Whether value is one of the named values of Enum, an enumeration registered with
/// Q_ENUM.
template <typename Enum>
bool IsNamedValue(Enum value)
{
    return QMetaEnum::fromType<Enum>().valueToKey(int(value)) != nullptr;
}

} // namespace vek
