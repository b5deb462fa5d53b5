// The library's accessibility factory: Qt asks it for an interface for every class of an
// object's class chain, most derived first, so a control gets the interface registered for
// its own class or its nearest registered base. Qt's own widgets are never registered
// here, so they keep Qt's interfaces.
#pragma once

#include <QAccessibleInterface>
#include <QWidget>

namespace vek {

using TAccessibleCreator = QAccessibleInterface* (*)(QWidget* control);

/// Registers creator for the controls of class className (a metaobject's class name) and
/// installs the factory with Qt on the first call. Returns true, so that a unit can
/// register from the initialiser of a static.
bool RegisterAccessible(const char* className, TAccessibleCreator creator);

/// Registers Interface (constructed from a Control*) for Control and its subclasses.
template <class Control, class Interface>
bool RegisterAccessible()
{
    return RegisterAccessible(Control::staticMetaObject.className(),
                              [](QWidget* control) -> QAccessibleInterface* {
                                  return new Interface(static_cast<Control*>(control));
                              });
}

} // namespace vek
