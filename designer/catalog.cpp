#include "catalog.h"

#include <VEK_Colsel.h>
#include <VEK_FolderTree.h>
#include <VEK_Meter.h>
#include <VEK_MiniCal.h>
#include <VEK_NumIO.h>
#include <VEK_NumLab.h>
#include <VEK_ProgBar.h>
#include <VEK_RasterLab.h>
#include <VEK_RotLab.h>
#include <VEK_Thumbnails.h>
#include <VEK_gradfl.h>
#include <VEK_marksel.h>
#include <VEK_ntabed.h>
#include <VEK_onoffbut.h>
#include <VEK_replist.h>
#include <VEK_repsbut.h>
#include <VEK_sevenseg.h>

#include <frame/baselib/mathlib.h>
#include <frame/core/component.h>

#include <array>

namespace vekdesigner {

namespace {

template <typename Control>
QWidget* Create(QWidget* parent)
{
    return new Control(parent);
}

template <typename Control, typename Prepare>
void As(QWidget* control, Prepare prepare)
{
    prepare(static_cast<Control*>(control));
}

// A TNumIO created designing accepts any number. A form keeps only the settings made
// on it, and a program's TNumIO starts with the range 0 .. 0: without these the field
// would accept nothing but 0 once the program runs.
QString AnyNumber()
{
    return QStringLiteral("<property name=\"RangeLow\" stdset=\"0\"><double>%1</double></property>\n"
                          "<property name=\"RangeHigh\" stdset=\"0\"><double>%2</double></property>\n")
        .arg(QString::number(-vek::uc_MaxDouble, 'g', 17), QString::number(vek::uc_MaxDouble, 'g', 17));
}

const std::array<TControlEntry, 18> controls{{
    {"vek::TNumIO", "VEK_NumIO.h", "Numeric edit field",
     "A line edit for numbers: it refuses keystrokes that would not give a number of its "
     "input format (floating point, fixed point, integer, hexadecimal, octal, binary) and "
     "keeps the value inside RangeLow .. RangeHigh.",
     &Create<vek::TNumIO>, {60, 30},
     [](QWidget* c) { As<vek::TNumIO>(c, [](auto* f) { f->SetText(QStringLiteral("42")); }); },
     &AnyNumber},
    {"vek::TNumIO2", "VEK_NumIO.h", "Numeric field with captions, spin buttons and gauge",
     "A drawn numeric entry field with a caption on either side, spin buttons and an "
     "optional gauge; values outside the range show in the warning colors.",
     &Create<vek::TNumIO2>, {58, 24},
     [](QWidget* c) {
         As<vek::TNumIO2>(c, [](auto* f) {
             f->SetLeftSpace(0);
             f->SetTextBoxWidth(40);
             f->SetValue(42);
         });
     }},
    {"vek::TNumLab", "VEK_NumLab.h", "Numeric label",
     "A read-only number in a framed box, with a caption and a unit, in one of fifteen "
     "display types (fixed point, scientific, degrees, time, hexadecimal, ...).",
     &Create<vek::TNumLab>, {40, 24},
     [](QWidget* c) {
         As<vek::TNumLab>(c, [](auto* l) {
             l->SetLeftSpace(0);
             l->SetLabelWidth(40);
             l->SetValue(42);
         });
     }},
    {"vek::TSevenSeg", "VEK_sevenseg.h", "Seven-segment display",
     "A row of seven-segment digits, like an LED or LCD panel, with decimal points.",
     &Create<vek::TSevenSeg>, {30, 44},
     [](QWidget* c) {
         As<vek::TSevenSeg>(c, [](auto* s) {
             s->SetNumDigits(1);
             s->SetCaption(QStringLiteral("8"));
         });
     }},
    {"vek::TRasterLab", "VEK_RasterLab.h", "Dot-matrix label",
     "A label drawn as a matrix of dots from a built-in dot font or any font, that can "
     "scroll its text.",
     &Create<vek::TRasterLab>, {44, 44},
     [](QWidget* c) { As<vek::TRasterLab>(c, [](auto* r) { r->SetText(QStringLiteral("A")); }); }},
    {"vek::TRotLab", "VEK_RotLab.h", "Rotated label",
     "A label whose caption is drawn at any angle inside a frame.",
     &Create<vek::TRotLab>, {44, 44},
     [](QWidget* c) {
         As<vek::TRotLab>(c, [](auto* r) {
             r->SetCaption(QStringLiteral("Abc"));
             r->SetTextAngle(45);
         });
     }},
    {"vek::TMeter", "VEK_Meter.h", "Analog meter",
     "An analog panel meter: linear or logarithmic scales in six layouts, colored bands, "
     "one or two needles and limit lamps.",
     &Create<vek::TMeter>, {150, 105}},
    {"vek::TProgBar", "VEK_ProgBar.h", "Progress bar",
     "A progress bar with gradient colors, grid lines, frames, a rotatable value text and "
     "automatic increments.",
     &Create<vek::TProgBar>, {66, 22},
     [](QWidget* c) { As<vek::TProgBar>(c, [](auto* b) { b->SetValue(60); }); }},
    {"vek::TOnOffBut", "VEK_onoffbut.h", "Two-state button",
     "An on/off button in 24 styles (check boxes, slide switches, LEDs, lamps, ...) with "
     "captions on four sides and button groups.",
     &Create<vek::TOnOffBut>, {}},
    {"vek::TRepSpeedButton", "VEK_repsbut.h", "Auto-repeat button",
     "A speed button that keeps clicking while it is held down, after a start delay and at "
     "a repeat interval.",
     &Create<vek::TRepSpeedButton>, {},
     [](QWidget* c) {
         As<vek::TRepSpeedButton>(c, [](auto* b) { b->SetCaption(QStringLiteral("+")); });
     }},
    {"vek::TColSel", "VEK_Colsel.h", "Color selector",
     "A drop-down list of named colors from predefined palettes; the user may edit colors "
     "that allow it.",
     &Create<vek::TColSel>, {44, 22},
     [](QWidget* c) {
         As<vek::TColSel>(c, [](auto* s) {
             s->SetColorBarWidth(40);
             s->SetSelColor(vek::clRed);
         });
     }},
    {"vek::TMarkSel", "VEK_marksel.h", "Marker selector",
     "A grid of the 52 marker symbols to pick one from, with the mouse or the arrow keys.",
     &Create<vek::TMarkSel>, {44, 44}},
    {"vek::TThumbnails", "VEK_Thumbnails.h", "Thumbnail grid",
     "A scrollable grid of slides whose images the program supplies when they are shown.",
     &Create<vek::TThumbnails>, {66, 66}},
    {"vek::TFolderTree", "VEK_FolderTree.h", "Folder tree",
     "A tree of the file system's folders, read as they are expanded, with folder creation "
     "and removal.",
     &Create<vek::TFolderTree>, {66, 66}},
    {"vek::TGradFill", "VEK_gradfl.h", "Gradient panel",
     "A panel filled with a stepped color gradient in four profiles, with grid lines and a "
     "frame.",
     &Create<vek::TGradFill>, {44, 44}},
    {"vek::TMiniCal", "VEK_MiniCal.h", "Month calendar",
     "A month calendar with ISO week numbers and fixed and Easter-based holidays in several "
     "languages.",
     &Create<vek::TMiniCal>, {}},
    {"vek::TReportListView", "VEK_replist.h", "Report list",
     "A grid of text rows with header rows, check and radio columns, sorting by header "
     "click, filtering and in-place editing; the data lives in its TRLData.",
     &Create<vek::TReportListView>, {88, 88}},
    {"vek::TNTabEd", "VEK_ntabed.h", "Numeric table editor",
     "A grid editor of a numeric data table, with header lines for names and attributes, "
     "a precision per column and cell states in colors.",
     &Create<vek::TNTabEd>, {88, 88}},
}};

} // namespace

std::span<const TControlEntry> Controls()
{
    return controls;
}

QWidget* CreateDesigning(const TControlEntry& entry, QWidget* parent)
{
    // A component is created designing when its owner is marked designing; Designer's
    // own widgets must not carry the mark (Designer would save it with the form).
    QWidget designingOwner;
    designingOwner.setProperty(vek::TComponentCore::DesigningProperty, true);
    QWidget* control = entry.create(&designingOwner);
    control->setParent(parent);
    return control;
}

QString DefaultObjectName(const char* className)
{
    QString name = QString::fromLatin1(className).section(QStringLiteral("::"), -1);
    if (name.startsWith(u'T'))
        name.remove(0, 1);
    if (!name.isEmpty())
        name[0] = name[0].toLower();
    return name;
}

} // namespace vekdesigner
