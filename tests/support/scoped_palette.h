// Switches the application palette for the lifetime of a scope (a test, a check) and
// restores the previous one, even when an assertion fails; and the dark palette the
// tests switch to.
#pragma once

#include <QApplication>
#include <QPalette>
#include <QStyle>

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

// A dark palette: the standard one with every color's lightness turned over, so dark
// faces and bases carry light texts, as dark themes have them.
inline QPalette DarkPalette()
{
    QPalette palette = QApplication::style()->standardPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            const QColor color = palette.color(g, r);
            palette.setColor(g, r, QColor::fromHsl(color.hslHue(), color.hslSaturation(),
                                                   255 - color.lightness()));
        }
    }
    return palette;
}

// The palette with its disabled texts (window, base and button text) in color. Standard
// disabled text is faded on purpose; a test of legibility wants one meant to be read.
inline QPalette WithDisabledText(QPalette palette, const QColor& color)
{
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, color);
    return palette;
}

} // namespace vektest
