// Gallery page of the analog meter: six meters in the six layouts (one logarithmic, one
// with range bands and a shadowed needle, one with two needles), a slider that drives
// all their values, and the value under the mouse pointer.
#include "pages.h"

#include <VEK_Meter.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

using namespace vek;

namespace {

TMeter* MakeMeter(QWidget* parent, TMeter::TMeterLayout layout, const QString& caption,
                  double min, double max)
{
    auto* meter = new TMeter(parent);
    meter->SetMeterLayout(layout);
    meter->SetMeterMaxValue(max);
    meter->SetMeterMinValue(min);
    meter->SetThresholdLow(min);
    meter->SetThresholdHigh(max);
    meter->SetCaption(caption);
    QFont captionFont = meter->font();
    captionFont.setPixelSize(16);
    captionFont.setBold(true);
    meter->FontCaption()->SetFromQFont(captionFont);
    return meter;
}

// The value at fraction f of the meter's scale, logarithmic where the scale is.
double ValueAt(const TMeter* meter, double f)
{
    const double min = meter->MeterMinValue();
    const double max = meter->MeterMaxValue();
    if (meter->Logarithmic())
        return min * std::pow(max / min, f);
    return min + f * (max - min);
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* grid = new QGridLayout;
    QList<TMeter*> meters;

    auto* volts = MakeMeter(page, TMeter::mlCirc90, "V", 0, 250);
    volts->SetThresholdLow(50);
    volts->SetThresholdHigh(200);
    volts->SetScaleBkWidth(8);
    volts->SetScaleBkVisible(true);
    volts->NeedleLayout()->SetThickness(3);
    volts->SetMeterDecPlaces(0);
    volts->NeedleLayout()->SetShadowDx(3);
    volts->NeedleLayout()->SetShadowDy(3);
    volts->NeedleLayout()->SetColorBody(0x3030C0);
    meters << volts;

    auto* temperature = MakeMeter(page, TMeter::mlCirc180, "\u00B0C", -20, 60);
    temperature->SetMeterDecPlaces(0);
    temperature->SetMeterNrTicks(4);
    temperature->SetThresholdHigh(45);
    temperature->SetColorBakG(0xE0F8FF);
    temperature->SetFrameStyle(fsLowered);
    meters << temperature;

    auto* speed = MakeMeter(page, TMeter::mlCirc270, "rpm", 0, 6000);
    speed->SetMeterDecPlaces(0);
    speed->SetMeterNrTicks(6);
    speed->SetAnchorSize(16);
    speed->NeedleLayout()->SetThickness(4);
    speed->NeedleLayout()->SetColorBody(clBlack);
    speed->NeedleLayoutSec()->SetVisible(true);
    speed->NeedleLayoutSec()->SetColorBody(clRed);
    speed->NeedleLayoutSec()->SetPercentNeedleLength(70);
    speed->SetValueSec(4800);
    meters << speed;

    auto* frequency = MakeMeter(page, TMeter::mlCirc300, "Hz", 1, 1000);
    frequency->SetLogarithmic(true);
    frequency->SetMeterDecPlaces(0);
    frequency->SetColorScale(0x206020);
    frequency->SetAnchorSize(16);
    meters << frequency;

    auto* level = MakeMeter(page, TMeter::mlCirc120, "dB", -40, 6);
    level->SetMeterDecPlaces(0);
    level->SetThresholdHigh(0);
    level->SetColorBakG(0x80E0FF);
    level->SetColorScale(clBlack);
    level->SetColorCover(0x303030);
    level->SetAnchorSize(16);
    level->SetFrameStyle(fsEmbossed);
    meters << level;

    auto* fill = MakeMeter(page, TMeter::mlCirc360, "%", 0, 100);
    fill->SetMeterDecPlaces(0);
    fill->SetMeterNrTicks(5);
    fill->SetAnchorSize(14);
    fill->SetLimWatchHighOn(false);
    fill->SetLimWatchLowOn(false);
    fill->NeedleLayout()->SetColorBody(clRed);
    fill->NeedleLayout()->SetHeadAngle(50);
    meters << fill;

    for (int i = 0; i < meters.size(); ++i)
        grid->addWidget(meters[i], i / 3, i % 3);
    layout->addLayout(grid);

    auto* controls = new QGroupBox("Drive the meters", page);
    auto* row = new QHBoxLayout(controls);
    row->addWidget(new QLabel("Value"));
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 1000);
    row->addWidget(slider, 1);
    auto* readout = new QLabel("Move the mouse over a meter");
    readout->setMinimumWidth(260);
    row->addWidget(readout);
    layout->addWidget(controls);
    layout->addStretch();

    auto apply = [meters](int position) {
        for (TMeter* meter : meters)
            meter->SetValue(ValueAt(meter, position / 1000.0));
    };
    QObject::connect(slider, &QSlider::valueChanged, page, apply);
    slider->setValue(540); // every needle between two labels
    for (TMeter* meter : meters) {
        meter->OnMouseMoveInMeter = [readout, meter](TObject*, bool within, TShiftState,
                                                     double value) {
            readout->setText(within ? QString("Pointer at %1 %2").arg(value, 0, 'f', 1)
                                          .arg(meter->Caption())
                                    : QString("Pointer outside the scale"));
        };
    }
    return page;
}

const GalleryPageRegistrar registrar({70, "Analog meter (TMeter)", "meter", CreatePage});

} // namespace
