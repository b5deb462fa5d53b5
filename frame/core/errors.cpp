#include "errors.h"

namespace vek {

EVEKError::EVEKError(const QString& message) : std::runtime_error(message.toStdString()) {}

EConvertError::EConvertError(const QString& message) : std::runtime_error(message.toStdString()) {}

EInvalidGraphic::EInvalidGraphic(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QString ComponentErrorText(const QString& componentName, const QString& reason)
{
    return QStringLiteral("Component \"") + componentName + QStringLiteral("\": ") + reason;
}

} // namespace vek
