// Every control the library offers, as the Designer plugin's catalog lists them: each
// has an interface of its own kind, and none speaks while it is being destroyed.
#include "accessibility_fixture.h"

#include "catalog.h"

#include <QAccessibleWidget>

#include <memory>

using namespace vektest;

using CatalogAccessibility = AccessibilityTest;

TEST_F(CatalogAccessibility, EveryControlHasAnInterfaceOfItsOwnKind)
{
    for (const vekdesigner::TControlEntry& entry : vekdesigner::Controls()) {
        SCOPED_TRACE(entry.className);
        std::unique_ptr<QWidget> control(entry.create(nullptr));
        if (entry.prepareIcon)
            entry.prepareIcon(control.get());
        QAccessibleInterface* iface = Interface(control.get());
        ASSERT_TRUE(iface);
        EXPECT_TRUE(iface->isValid());
        EXPECT_NE(iface->role(), QAccessible::NoRole);
        // Qt's fallback for an unknown widget is a plain client area without a value.
        const bool fallback = iface->role() == QAccessible::Client &&
                              iface->text(QAccessible::Value).isEmpty();
        EXPECT_FALSE(fallback);
    }
}

TEST_F(CatalogAccessibility, DestroyedControlsSendNoEvents)
{
    for (const vekdesigner::TControlEntry& entry : vekdesigner::Controls()) {
        SCOPED_TRACE(entry.className);
        auto* control = entry.create(nullptr);
        if (entry.prepareIcon)
            entry.prepareIcon(control);
        Interface(control);
        const QObject* gone = control;
        ClearEvents();
        delete control;
        for (QAccessible::Event type : {QAccessible::ValueChanged, QAccessible::StateChanged,
                                        QAccessible::SelectionWithin, QAccessible::NameChanged})
            EXPECT_TRUE(Events(type, gone).empty());
    }
}
