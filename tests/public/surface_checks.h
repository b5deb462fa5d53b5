// Checks every control passes as a Qt widget, written once: each takes a factory that
// makes a fresh, configured control (owned by the check), so that a control changed at
// run time can be compared with one created in the changed state.
#pragma once

#include "scoped_palette.h" // DarkPalette()

#include <QWidget>

#include <functional>

namespace vektest {

using WidgetFactory = std::function<QWidget*()>;

// Alone in a QVBoxLayout, the control gets a sensible size: its sizeHint is valid and not
// empty, and the layout gives it at least its minimumSizeHint.
void ExpectSizesItselfInLayout(const WidgetFactory& make);

// Every QColor property takes a color and reads it back, and its RESET restores the
// value it had when the control was created.
void ExpectColorPropertiesRoundTrip(const WidgetFactory& make);

// No property appears twice in the meta-object, under another case or type, and none
// repeats a QWidget property (enabled, visible, font, toolTip, ...).
void ExpectEachPropertyOnce(const WidgetFactory& make);

// QWidget::setEnabled(false) changes the painted pixels, and the result equals a control
// disabled before it was first painted; enabling again restores the first picture.
void ExpectSetEnabledRepaints(const WidgetFactory& make);

// Switching the application palette to a dark one changes the painted pixels, and the
// result equals a control created under the dark palette (no stale cache).
void ExpectPaletteSwitchRepaints(const WidgetFactory& make);

// All of the above.
void ExpectQtSurface(const WidgetFactory& make);
// All of the above for a control whose default look is fixed colors: plain makes it as
// created (a color's RESET must restore those), themed with system colors, whose pixels
// a palette switch must change.
void ExpectQtSurface(const WidgetFactory& plain, const WidgetFactory& themed);

} // namespace vektest
