// Gallery page of the rotated label: captions at several angles and alignments, a
// disabled one, and one live label whose angle can be turned.
#include "pages.h"

#include <VEK_RotLab.h>

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QSlider>
#include <QVBoxLayout>

using namespace vek;

namespace {

TRotLab* MakeLabel(QWidget* parent, const QString& caption, int angle, TAlignment alignment,
                   TFrameStyle frame)
{
    auto* lab = new TRotLab(parent);
    lab->SetCaption(caption);
    lab->SetTextAngle(angle);
    lab->SetAlignment(alignment);
    lab->SetFrameStyle(frame);
    return lab;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);

    auto* samples = new QGroupBox("Angles and anchors", page);
    auto* grid = new QGridLayout(samples);
    grid->addWidget(MakeLabel(samples, "0 degrees", 0, taCenter, fsLowered), 0, 0);
    grid->addWidget(MakeLabel(samples, "45 degrees", 45, taCenter, fsRaised), 0, 1);
    grid->addWidget(MakeLabel(samples, "90 degrees", 90, taCenter, fsSingle), 0, 2);
    auto* left = MakeLabel(samples, "Anchor", -30, taLeftJustify, fsEmbossed);
    left->Font()->SetColor(0x0060D0); // an orange that reads on light and dark themes
    grid->addWidget(left, 0, 3);
    auto* upside = MakeLabel(samples, "Upside down", 180, taCenter, fsEngraved);
    upside->Font()->SetStyle(fsBold);
    grid->addWidget(upside, 1, 0);
    auto* opaque = MakeLabel(samples, "Opaque, 270", 270, taCenter, fsLowered);
    opaque->SetTransparent(false);
    opaque->SetColor(0xE0F0FF); // the theme's text color gives way to a fixed one
    grid->addWidget(opaque, 1, 1);
    auto* disabled = MakeLabel(samples, "Disabled", 20, taCenter, fsLowered);
    disabled->SetEnabled(false);
    grid->addWidget(disabled, 1, 2);
    auto* crisp = MakeLabel(samples, "No antialiasing", 60, taCenter, fsLowered);
    crisp->SetAntiAlias(false);
    grid->addWidget(crisp, 1, 3);
    layout->addWidget(samples);

    auto* live = new QGroupBox("Live label", page);
    auto* form = new QFormLayout(live);
    auto* lab = MakeLabel(live, "Turn me", 0, taCenter, fsLowered);
    lab->Font()->SetSize(14);
    form->addRow(lab);
    auto* angle = new QSlider(Qt::Horizontal);
    angle->setRange(-180, 180);
    QObject::connect(angle, &QSlider::valueChanged, lab, &TRotLab::SetTextAngle);
    form->addRow("Angle", angle);
    auto* antialias = new QCheckBox("Antialiasing");
    antialias->setChecked(true);
    QObject::connect(antialias, &QCheckBox::toggled, lab, [lab](bool on) { lab->SetAntiAlias(on); });
    form->addRow(antialias);
    layout->addWidget(live);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({50, "Rotated label (TRotLab)", "rotlab", CreatePage});

} // namespace
