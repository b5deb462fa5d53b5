// Shared setup of the accessibility tests: an active accessibility layer whose events are
// recorded instead of going to a platform bridge.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleInterface>
#include <QVariant>
#include <QWidget>

#include <vector>

namespace vektest {

struct RecordedEvent {
    QAccessible::Event type;
    QObject* object;
    QVariant value;                      // value change events
    QAccessible::State changedStates;    // state change events
    QString childText;                   // events about a child: its name
};

// Switches the offscreen platform's accessibility on or off (platform_accessibility.cpp).
void SetPlatformAccessibilityActive(bool active);

class AccessibilityTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static QAccessibleInterface* Interface(QWidget* control);
    // The events of the given type about control (its children included), in order.
    static std::vector<RecordedEvent> Events(QAccessible::Event type, const QObject* control);
    static void ClearEvents();

private:
    QAccessible::UpdateHandler FPreviousHandler = nullptr;
};

} // namespace vektest
