#include "rtl.h"

#include <QLocale>

namespace vek {

namespace {

// Qt gives separators as strings (some locales use several code units); the host API
// has single characters.
QChar FirstChar(const QString& text)
{
    return text.isEmpty() ? QChar() : text.at(0);
}

} // namespace

QChar DecimalSeparator()
{
    return FirstChar(QLocale().decimalPoint());
}

QChar ThousandSeparator()
{
    return FirstChar(QLocale().groupSeparator());
}

} // namespace vek
