// Switches the application palette for the lifetime of a scope (a test, a check) and
// restores the previous one, even when an assertion fails.
#pragma once

#include <QApplication>
#include <QPalette>

namespace vektest {

class ScopedPalette {
public:
    explicit ScopedPalette(const QPalette& palette) : FSaved(QApplication::palette())
    {
        Apply(palette);
    }
    ~ScopedPalette() { Apply(FSaved); }
    ScopedPalette(const ScopedPalette&) = delete;
    ScopedPalette& operator=(const ScopedPalette&) = delete;

private:
    // Qt posts the palette-change events to the widgets; deliver them now, as the event
    // loop would, so the controls have heard of the switch before they are looked at.
    static void Apply(const QPalette& palette)
    {
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents();
    }

    QPalette FSaved;
};

} // namespace vektest
