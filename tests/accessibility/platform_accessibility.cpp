// Switching the platform's accessibility on for the tests.
//
// QAccessible::updateAccessibility hands events to the update handler only while the
// platform's accessibility is active, and QAccessible::setActive does not switch it: on a
// desktop the screen reader's bridge does. The offscreen platform has no bridge, so the
// test switches it through Qt's platform API, as Qt's own accessibility tests do.
#include "accessibility_fixture.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace vektest {

void SetPlatformAccessibilityActive(bool active)
{
    if (QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration())
        if (QPlatformAccessibility* accessibility = integration->accessibility())
            accessibility->setActive(active);
}

} // namespace vektest
