// Gallery page of the color selector: closed selectors with the four palettes, the open
// list of one of them, and a live selector whose choice and settings can be changed.
#include "pages.h"

#include <VEK_Colsel.h>

#include <QAbstractItemView>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace vek;

namespace {

TColSel* MakeSelector(QWidget* parent, void (TColSel::*palette)(), TColor selected)
{
    auto* sel = new TColSel(parent);
    (sel->*palette)();
    sel->SetSelColor(selected);
    return sel;
}

QGroupBox* PaletteGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Palettes", parent);
    auto* form = new QFormLayout(group);
    form->addRow("Extended", MakeSelector(group, &TColSel::LoadExtendedPalette, clSkyBlue));
    form->addRow("Basic VGA", MakeSelector(group, &TColSel::LoadBasicVGAPalette, clTeal));
    form->addRow("Theme colors", MakeSelector(group, &TColSel::LoadWindowsSystemPalette, clInfoBk));
    auto* editable = MakeSelector(group, &TColSel::LoadStandardPalette, clFuchsia);
    editable->SetAllColorEditFlags();
    editable->SetColorBarWidth(44);
    form->addRow("Editable, wide bar", editable);
    auto* disabled = MakeSelector(group, &TColSel::LoadExtendedPalette, clGreen);
    disabled->SetEnabled(false);
    form->addRow("Disabled", disabled);
    return group;
}

// The drop-down list cannot be captured off screen, so the same entries are shown in a
// list view that paints them through the selector's own item drawing.
QListView* OpenListOf(TColSel* sel, QWidget* parent)
{
    auto* list = new QListView(parent);
    list->setModel(sel->model());
    list->setItemDelegate(sel->itemDelegate());
    list->setCurrentIndex(sel->model()->index(sel->ItemIndex(), 0));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setFixedSize(sel->sizeHint().width(), sel->DropDownCount() * sel->ItemHeight() + 2 * list->frameWidth());
    return list;
}

QGroupBox* LiveGroup(QWidget* parent)
{
    auto* group = new QGroupBox("Live selector", parent);
    auto* layout = new QHBoxLayout(group);
    auto* column = new QVBoxLayout;
    auto* sel = new TColSel(group);
    sel->SetColorEditAllowed(3, true);
    sel->SetColorEditAllowed(9, true);
    sel->SetSelColor(clNavy);
    column->addWidget(sel);
    column->addWidget(OpenListOf(sel, group));
    column->addStretch();
    layout->addLayout(column);

    auto* form = new QFormLayout;
    auto* chosen = new QLabel;
    const auto showChoice = [sel, chosen] {
        chosen->setText(QString("%1 (%2)").arg(sel->SelColorID(), ColorToString(ColorToRGB(sel->SelColor()))));
    };
    showChoice();
    QObject::connect(sel, &TColSel::selColorChanged, chosen, showChoice);
    form->addRow("Selected", chosen);
    auto* barWidth = new QSpinBox;
    barWidth->setRange(0, 80);
    barWidth->setValue(sel->ColorBarWidth());
    QObject::connect(barWidth, &QSpinBox::valueChanged, sel, [sel](int v) { sel->SetColorBarWidth(v); });
    form->addRow("Bar width", barWidth);
    auto* count = new QSpinBox;
    count->setRange(1, TColSel::MaxColors);
    count->setValue(sel->NumColors());
    QObject::connect(count, &QSpinBox::valueChanged, sel, [sel](int v) { sel->SetNumColors(v); });
    form->addRow("Colors", count);
    auto* editAll = new QCheckBox("All entries editable (click the bar)");
    QObject::connect(editAll, &QCheckBox::toggled, sel, [sel](bool on) {
        on ? sel->SetAllColorEditFlags() : sel->ResetAllColorEditFlags();
    });
    form->addRow(editAll);
    auto* plainNames = new QCheckBox("Names without the \"cl\" prefix");
    QObject::connect(plainNames, &QCheckBox::toggled, sel, [sel, showChoice](bool on) {
        sel->OnColorNameChange = on ? TOnColorNameChangeEvent([](TObject*, QString& name) {
            if (name.startsWith("cl"))
                name.remove(0, 2);
        })
                                    : TOnColorNameChangeEvent();
        sel->LoadExtendedPalette();
        showChoice();
    });
    form->addRow(plainNames);
    layout->addLayout(form);
    return group;
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(PaletteGroup(page));
    layout->addWidget(LiveGroup(page));
    layout->addStretch();
    return page;
}

const GalleryPageRegistrar registrar({130, "Color selector (TColSel)", "colsel", CreatePage});

} // namespace
