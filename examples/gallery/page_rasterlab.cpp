// Gallery page of the dot-matrix label: a scrolling banner, the block modes, a font
// rasterized from a system font, and one live label with property editors.
#include "editors.h"
#include "pages.h"

#include <VEK_RasterLab.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMetaEnum>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace vek;

namespace {

TRasterLab* MakeLabel(QWidget* parent, const QString& text, TColor on, TColor off)
{
    auto* lab = new TRasterLab(parent);
    lab->SetText(text);
    lab->SetColorDotOn(on);
    lab->SetColorDotOff(off);
    return lab;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);

    auto* samples = new QGroupBox("Banners and block modes", page);
    auto* sampleLayout = new QVBoxLayout(samples);
    auto* banner = MakeLabel(samples, QString::fromUtf8("+++ Next train 12:45 to Zürich +++"),
                             0x00C0FF, 0x203040);
    banner->SetScrollInterval(30);
    banner->SetScrollMode(TRasterLab::rdsmLeft);
    sampleLayout->addWidget(banner);
    auto* raster = MakeLabel(samples, "Raster mode", 0x00FF00, 0x404040);
    raster->SetCharBlockMode(TRasterLab::rdbmRaster);
    sampleLayout->addWidget(raster);
    auto* plain = MakeLabel(samples, QString::fromUtf8("Dots only: Ä é ñ ß ° € ¶"), 0x4040FF, 0x404040);
    plain->SetCharBlockMode(TRasterLab::rdbmOff);
    plain->SetDotSize(2);
    sampleLayout->addWidget(plain);
    auto* system = MakeLabel(samples, "Rasterized DejaVu Sans", 0x40FFFF, 0x303030);
    system->Font()->SetName("DejaVu Sans");
    system->Font()->SetHeight(-11);
    system->SetDotSize(2);
    system->SetFrameStyle(fsEmbossed);
    sampleLayout->addWidget(system);
    layout->addWidget(samples);

    auto* live = new QGroupBox("Live label", page);
    auto* form = new QFormLayout(live);
    auto* lab = MakeLabel(live, "Hello, world!", 0x00FF00, 0x404040);
    form->addRow(lab);
    auto* text = new QLineEdit(lab->Text());
    QObject::connect(text, &QLineEdit::textChanged, lab, [lab](const QString& t) { lab->SetText(t); });
    form->addRow("Text", text);
    form->addRow("Dot size", IntEditor(1, 8, lab->DotSize(), [lab](int v) { lab->SetDotSize(v); }));
    form->addRow("Spacing", IntEditor(0, 3, lab->DotSpacing(), [lab](int v) { lab->SetDotSpacing(v); }));
    form->addRow("Block mode", EnumCombo<TRasterLab::TRDBlockMode>(lab->CharBlockMode(),
                 [lab](TRasterLab::TRDBlockMode m) { lab->SetCharBlockMode(m); }));
    form->addRow("Scrolling", EnumCombo<TRasterLab::TRDScrollMode>(lab->ScrollMode(),
                 [lab](TRasterLab::TRDScrollMode m) { lab->SetScrollMode(m); }));
    auto* center = new QCheckBox("Auto centre");
    QObject::connect(center, &QCheckBox::toggled, lab, [lab](bool on) { lab->SetAutoCenter(on); });
    form->addRow(center);
    layout->addWidget(live);
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({40, "Dot-matrix label (TRasterLab)", "rasterlab", CreatePage});

} // namespace
