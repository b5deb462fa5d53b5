#include "persistent.h"

#include "errors.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

namespace vek {

void TPersistent::Assign(const TPersistent* Source)
{
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    throw EConvertError(QStringLiteral("Cannot assign a nil to a ") + ClassName());
}

void TPersistent::AssignTo(TPersistent* Dest) const
{
    const QString target = Dest ? Dest->ClassName() : QStringLiteral("nil");
    throw EConvertError(QStringLiteral("Cannot assign a ") + ClassName() + QStringLiteral(" to a ") +
                        target);
}

QString TPersistent::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    QString name = QString::fromLatin1(status == 0 ? demangled.get() : mangled);
    const int scope = name.lastIndexOf(QLatin1String("::"));
    return scope >= 0 ? name.mid(scope + 2) : name;
}

} // namespace vek
