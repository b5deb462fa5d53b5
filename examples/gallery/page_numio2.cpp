// Gallery page of the custom-drawn numeric field: fields with a gauge, with spin buttons
// (plain and with pivots), in several input formats, a read-only one, and one live field
// with property editors and an event log.
#include "editors.h"
#include "pages.h"

#include <VEK_NumIO.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QVBoxLayout>

using namespace vek;

namespace {

TNumIO2* MakeField(QWidget* parent, const QString& left, const QString& right, TInFormat format)
{
    auto* field = new TNumIO2(parent);
    field->SetLeftSpace(100);
    field->SetTextBoxWidth(110);
    field->SetLeftText(left);
    field->SetRightText(right);
    field->SetInputFormat(format);
    // The frame in the theme's 3-D colors and the box in the theme's field colors instead
    // of the fixed white box, so the fields match the page in light and dark palettes.
    field->SetColorScheme(csSystemColors);
    field->SetColorBoxBG(clWindow);
    field->SetColorBoxText(clWindowText);
    return field;
}

// A field with its gauge strip under the box.
TNumIO2* WithGauge(TNumIO2* field)
{
    // The gauge setters keep the strip within the current width: take the natural one
    // first (the layout sizes the field afterwards).
    field->SetWidth(field->sizeHint().width());
    field->SetGaugeLeftMargin(field->LeftSpace());
    field->SetGaugeWidth(field->TextBoxWidth() + 2);
    field->SetGaugeVisible(true);
    return field;
}

QGroupBox* SampleFields(QWidget* page)
{
    auto* box = new QGroupBox("Formats, gauges and spin buttons", page);
    auto* layout = new QVBoxLayout(box);

    auto* temperature = WithGauge(MakeField(box, "Temperature", "\u00B0C", itFixPoint));
    temperature->SetFixPointDecPlaces(1);
    temperature->SetRangeLow(-20);
    temperature->SetRangeHigh(120);
    temperature->SetValue(36.6);
    layout->addWidget(temperature);

    auto* speed = MakeField(box, "Speed", "rpm", itInt);
    speed->SetButVisible(true);
    speed->SetButIncrem(50);
    speed->SetRangeHigh(3000);
    speed->SetValue(1450);
    layout->addWidget(speed);

    auto* gain = WithGauge(MakeField(box, "Gain (pivots)", "dB", itFloat));
    gain->SetButVisible(true);
    gain->SetButHeight(28);
    gain->ButtonPivots = {1, 2, 5, 10, 20, 50, 100};
    gain->SetFixPointDecPlaces(1);
    gain->SetRangeLow(1);
    gain->SetRangeHigh(100);
    gain->SetValue(20);
    layout->addWidget(gain);

    auto* flow = MakeField(box, "Flow", "m\u00B3/s", itExp);
    flow->SetValue(0.000123456);
    flow->SetFrameStyle(fsRaised);
    layout->addWidget(flow);

    auto* address = MakeField(box, "Address", "hex", itHex);
    address->SetRangeHigh(0xFFFF);
    address->SetValue(0xBEEF);
    address->SetAlignment(taRightJustify);
    address->SetFrameStyle(fsSingle);
    layout->addWidget(address);

    auto* mask = MakeField(box, "Mask", "", itDynamic);
    mask->SetText(QStringLiteral("$FF"));
    mask->SetFrameStyle(fsEmbossed);
    layout->addWidget(mask);

    auto* limit = MakeField(box, "Out of range", "V", itFloat);
    limit->SetRangeHigh(10);
    limit->SetValue(12.5);
    layout->addWidget(limit);

    auto* serial = MakeField(box, "Read-only", "", itInt);
    serial->SetRangeHigh(999999);
    serial->SetValue(100234);
    serial->SetReadOnly(true);
    serial->SetColorBoxBG(clBtnFace);
    layout->addWidget(serial);

    auto* disabled = MakeField(box, "Disabled", "mm", itFloat);
    disabled->SetValue(12.5);
    disabled->SetButVisible(true);
    disabled->SetEnabled(false);
    layout->addWidget(disabled);

    // The default colors: the fixed white box, captions on the theme's face.
    auto* plain = new TNumIO2(box);
    plain->SetLeftSpace(100);
    plain->SetTextBoxWidth(110);
    plain->SetLeftText("Default colors");
    plain->SetRightText("V");
    plain->SetValue(3.3);
    layout->addWidget(plain);
    return box;
}

QGroupBox* LiveField(QWidget* page)
{
    auto* box = new QGroupBox("Live field", page);
    auto* form = new QFormLayout(box);
    auto* field = WithGauge(MakeField(box, "Level", "%", itFloat));
    field->SetButVisible(true);
    field->SetButHeight(28);
    field->SetRangeHigh(100);
    field->SetValue(42);
    form->addRow(field);
    auto* log = new QLabel("Type, spin or drag the gauge.");
    QObject::connect(field, &TNumIO2::valueChanged, log, [log](double value) {
        log->setText(QStringLiteral("valueChanged: %1").arg(value));
    });
    QObject::connect(field, &TNumIO2::gaugeChanged, log, [log](double value) {
        log->setText(QStringLiteral("gaugeChanged: %1").arg(value));
    });
    form->addRow("Events", log);
    form->addRow("Input format", EnumCombo<TInFormat>(field->InputFormat(),
                 [field](TInFormat f) { field->SetInputFormat(f); }));
    form->addRow("Frame", EnumCombo<TFrameStyle>(field->FrameStyle(),
                 [field](TFrameStyle f) { field->SetFrameStyle(f); }));
    form->addRow("Alignment", EnumCombo<TAlignment>(field->Alignment(),
                 [field](TAlignment a) { field->SetAlignment(a); }));
    auto* readOnly = new QCheckBox("Read-only");
    QObject::connect(readOnly, &QCheckBox::toggled, field, [field](bool on) { field->SetReadOnly(on); });
    auto* enabled = new QCheckBox("Enabled");
    enabled->setChecked(true);
    QObject::connect(enabled, &QCheckBox::toggled, field, [field](bool on) { field->SetEnabled(on); });
    auto* flags = new QHBoxLayout;
    flags->addWidget(readOnly);
    flags->addWidget(enabled);
    form->addRow(flags);
    return box;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(SampleFields(page));
    layout->addWidget(LiveField(page));
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({25, "Custom-drawn numeric field (TNumIO2)", "numio2", CreatePage});

} // namespace
