// Lets GoogleTest show QString values as text in failure messages (it would otherwise
// dump every QChar as raw bytes). Found by argument-dependent lookup, so it must stay
// in the global namespace, where QString lives.
#pragma once

#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
