// The controls the Designer plugin offers: one entry per control, with what the widget
// box shows about it and how to make one.
#pragma once

#include <QSize>
#include <QString>

#include <span>

class QWidget;

namespace vekdesigner {

struct TControlEntry {
    /// The class as it appears in .ui files and in generated code ("vek::TNumIO2").
    const char* className;
    /// The public header that declares it.
    const char* header;
    const char* toolTip;
    const char* whatsThis;
    /// Creates the control with the given parent.
    QWidget* (*create)(QWidget* parent);
    /// The size at which the control draws its widget-box icon; the picture is scaled
    /// down to the icon. Wide controls draw a cut-out that still shows what they are.
    QSize iconSize;
    /// Optional: settings that make the icon tell the control apart (a value, a caption).
    void (*prepareIcon)(QWidget* control) = nullptr;
    /// Optional: <property> elements a control dropped on a form starts with, for
    /// settings whose design-time value differs from the one a program's control has.
    QString (*designProperties)() = nullptr;
};

/// Every control of the library that is a widget, in widget-box order.
std::span<const TControlEntry> Controls();

/// A control that is designing from its constructor on (which some constructors read),
/// then given to parent (nullptr: a top-level widget).
QWidget* CreateDesigning(const TControlEntry& entry, QWidget* parent);

/// The name Designer gives the first control of a class on a form: the class name
/// without namespace and "T", with a lower-case first letter ("numIO2").
QString DefaultObjectName(const char* className);

} // namespace vekdesigner
