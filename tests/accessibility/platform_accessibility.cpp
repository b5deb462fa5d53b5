// Switching the platform's accessibility on for the tests.
//
// QAccessible::updateAccessibility hands events to the update handler only while the
// platform's accessibility is active, and QAccessible::setActive does not switch it: on a
// desktop the screen reader's bridge does. The offscreen platform has no bridge and uses
// Qt's default platform accessibility, whose switch is private API (Qt's own tests include
// its private header). Its two entry points are declared here by hand instead of pulling
// in Qt's private headers for one call.
#include "accessibility_fixture.h"

class QPlatformAccessibility {
public:
    void setActive(bool active);
};

class QPlatformIntegration {
public:
    QPlatformAccessibility* accessibility() const;
};

class QGuiApplicationPrivate {
public:
    static QPlatformIntegration* platform_integration;
};

namespace vektest {

void SetPlatformAccessibilityActive(bool active)
{
    // The offscreen integration keeps the default implementation of accessibility(), so
    // the non-virtual call reaches the object the platform uses.
    if (QPlatformIntegration* integration = QGuiApplicationPrivate::platform_integration)
        if (QPlatformAccessibility* accessibility = integration->accessibility())
            accessibility->setActive(active);
}

} // namespace vektest
