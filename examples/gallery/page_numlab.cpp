// Gallery page of the numeric label: a row of labels in different display types and
// frames, and one live label with property editors.
#include "editors.h"
#include "pages.h"

#include <VEK_NumLab.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMetaEnum>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace vek;

namespace {

TNumLab* MakeLabel(QWidget* parent, const QString& left, const QString& right, double value,
                   TNumLab::TDisplay display, int precision, TFrameStyle frame)
{
    auto* label = new TNumLab(parent);
    label->SetLeftSpace(90);
    label->SetLabelWidth(110);
    label->SetLeftText(left);
    label->SetRightText(right);
    label->SetDisplayType(display);
    label->SetPrecision(precision);
    label->SetFrameStyle(frame);
    label->SetValue(value);
    // The frame in the theme's 3-D colors and the value on the theme's field colors, so
    // the boxes look like the page's input fields in light and dark palettes.
    label->SetColorScheme(csSystemColors);
    label->SetColorLabBakG(clWindow);
    label->SetColorLabText(clWindowText);
    return label;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);

    auto* samples = new QGroupBox("Display types and frames", page);
    auto* sampleLayout = new QVBoxLayout(samples);
    sampleLayout->addWidget(MakeLabel(samples, "Voltage", "V", 230.456, TNumLab::dtFixP, 2, fsLowered));
    sampleLayout->addWidget(MakeLabel(samples, "Current", "A", 0.000123, TNumLab::dtExp, 4, fsRaised));
    sampleLayout->addWidget(MakeLabel(samples, "Register", "hex", 48879, TNumLab::dtHex, 4, fsSingle));
    sampleLayout->addWidget(MakeLabel(samples, "Latitude", "N", 47.37619, TNumLab::dtDegMinSec, 1, fsEmbossed));
    sampleLayout->addWidget(MakeLabel(samples, "Resistor", "\u03A9", 4700, TNumLab::dtEEng, 2, fsEngraved));
    auto* date = MakeLabel(samples, "Date", "", 46364.5, TNumLab::dtDateTime, 0, fsLowered);
    sampleLayout->addWidget(date);
    auto* overflow = MakeLabel(samples, "Too wide", "", 1.0e15, TNumLab::dtFixP, 2, fsLowered);
    sampleLayout->addWidget(overflow);
    auto* disabled = MakeLabel(samples, "Disabled", "mm", 12.5, TNumLab::dtFixP, 1, fsLowered);
    disabled->SetEnabled(false);
    sampleLayout->addWidget(disabled);
    layout->addWidget(samples);

    auto* live = new QGroupBox("Live label", page);
    auto* form = new QFormLayout(live);
    auto* label = MakeLabel(live, "Speed", "km/h", 88.25, TNumLab::dtFixP, 2, fsLowered);
    form->addRow(label);
    auto* value = new QDoubleSpinBox;
    value->setRange(-1e9, 1e9);
    value->setDecimals(4);
    value->setValue(label->Value());
    QObject::connect(value, &QDoubleSpinBox::valueChanged, label, &TNumLab::SetValue);
    form->addRow("Value", value);
    auto* precision = new QSpinBox;
    precision->setRange(0, 15);
    precision->setValue(label->Precision());
    QObject::connect(precision, &QSpinBox::valueChanged, label, [label](int v) { label->SetPrecision(v); });
    form->addRow("Precision", precision);
    form->addRow("Display type", EnumCombo<TNumLab::TDisplay>(label->DisplayType(),
                 [label](TNumLab::TDisplay d) { label->SetDisplayType(d); }));
    form->addRow("Frame", EnumCombo<TFrameStyle>(label->FrameStyle(),
                 [label](TFrameStyle f) { label->SetFrameStyle(f); }));
    form->addRow("Alignment", EnumCombo<TAlignment>(label->Alignment(),
                 [label](TAlignment a) { label->SetAlignment(a); }));
    auto* comma = new QCheckBox("Comma");
    QObject::connect(comma, &QCheckBox::toggled, label, [label](bool on) { label->SetComma(on); });
    auto* plus = new QCheckBox("Force plus sign");
    QObject::connect(plus, &QCheckBox::toggled, label, [label](bool on) { label->SetForcePlusSign(on); });
    auto* enabled = new QCheckBox("Enabled");
    enabled->setChecked(true);
    QObject::connect(enabled, &QCheckBox::toggled, label, [label](bool on) { label->SetEnabled(on); });
    auto* flags = new QHBoxLayout;
    flags->addWidget(comma);
    flags->addWidget(plus);
    flags->addWidget(enabled);
    form->addRow(flags);
    auto* leftText = new QLineEdit(label->LeftText());
    QObject::connect(leftText, &QLineEdit::textChanged, label, [label](const QString& t) { label->SetLeftText(t); });
    form->addRow("Left text", leftText);
    layout->addWidget(live);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({10, "Numeric label (TNumLab)", "numlab", CreatePage});

} // namespace
