// Exception classes. Messages are UTF-8 texts; EVEKError is the base of every unit's
// own exception class.
#pragma once

#include "vekglobal.h"

#include <QString>

#include <stdexcept>

namespace vek {

/// The library's failures: the message names the component (ComponentErrorText). Each
/// unit's exception class derives from it.
class VEK_EXPORT EVEKError : public std::runtime_error {
public:
    /// The failure with its message; Message() gives it back (what() as UTF-8).
    explicit EVEKError(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

/// Conversion failures of the run-time library (invalid dates, non-numeric texts,
/// incompatible Assign).
class VEK_EXPORT EConvertError : public std::runtime_error {
public:
    /// As EVEKError's.
    explicit EConvertError(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

/// An image file that is missing, unreadable or not in a supported format.
class VEK_EXPORT EInvalidGraphic : public std::runtime_error {
public:
    /// As EVEKError's.
    explicit EInvalidGraphic(const QString& message);
    QString Message() const { return QString::fromUtf8(what()); }
};

/// Builds the library's standard failure text: Component "<name>": <reason>.
VEK_EXPORT QString ComponentErrorText(const QString& componentName, const QString& reason);

} // namespace vek
