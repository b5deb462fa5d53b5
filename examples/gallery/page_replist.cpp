// Gallery page of the report list: a few thousand rows of demo orders with check and
// radio columns, a password column, banded rows, a highlighted row, both header rows, and
// a few switches to play with.
#include "pages.h"
#include "replist_roweditor_demo.h"

#include <VEK_replist.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace vek;

namespace {

constexpr int DemoRows = 3000;

void FillDemoData(TReportListView* list)
{
    const QStringList names = {"Becker", "Novak", "Lindqvist", "Okafor", "Moreau", "Tanaka",
                               "Rossi", "Schmidt", "Varga", "Costa"};
    const QStringList cities = {"Graz", "Lyon", "Turku", "Porto", "Brno", "Kyoto", "Leeds"};
    list->SetSuppressPaint(true);
    list->SetDefaultRowHeight(20);
    list->SetNrOfColumns(6);
    list->SetNrOfRows(DemoRows);
    const QStringList headers = {"Order", "Customer", "City", "Amount", "Paid", "Access code"};
    for (int c = 1; c <= 6; ++c)
        list->SetHeader(c, headers[c - 1]);
    list->RLData()->SetColumnCheckMode(5, cmBox);
    list->SetColumnAlignment(1, taRightJustify);
    list->SetColumnAlignment(4, taRightJustify);
    list->SetColumnIsPwd(6, true);
    for (int r = 1; r <= DemoRows; ++r) {
        list->SetElem(1, r, QString::number(10000 + r));
        list->SetElem(2, r, names[r % names.size()] + " & Sons");
        list->SetElem(3, r, cities[(r * 3) % cities.size()]);
        list->SetElem(4, r, QString::number((r * 7919 % 100000) / 100.0, 'f', 2));
        list->SetElem(5, r, QString());
        list->RLData()->SetElemChecked(5, r, r % 3 != 0);
        list->SetElem(6, r, QString("pin%1").arg(r));
    }
    const int widths[] = {60, 130, 70, 70, 60, 90};
    for (int c = 1; c <= 6; ++c)
        list->SetColWidths(c, widths[c - 1]);
    list->SetSuppressPaint(false);
}

// Header texts in the theme's button text color, so dark palettes read well too.
void UseThemeHeaderColors(TReportListView* list)
{
    list->SetColorColumnHdText(clBtnText);
    list->SetColorCommonHdText(clBtnText);
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* list = new TReportListView(page);
    FillDemoData(list);
    UseThemeHeaderColors(list);
    list->SetCommonHeader("Open orders, spring quarter");
    list->SetCommonHeaderVisible(true);
    list->SetHighLightRow(4);
    list->SetRowSelected(2, true);
    list->SetRowEnabled(6, false);
    layout->addWidget(list, 1);

    // A second, small list shows radio buttons (one choice per column).
    auto* choices = new TReportListView(page);
    UseThemeHeaderColors(choices);
    choices->SetDefaultRowHeight(20);
    choices->SetNrOfColumns(3);
    choices->SetNrOfRows(3);
    choices->SetHeader(1, "Shipping");
    choices->SetHeader(2, "Choice");
    choices->SetHeader(3, "Days");
    choices->RLData()->SetColumnCheckMode(2, cmRadio);
    const QStringList ways = {"Standard", "Express", "Pick-up"};
    for (int r = 1; r <= 3; ++r) {
        choices->SetElem(1, r, ways[r - 1]);
        choices->SetElem(3, r, QString::number(5 - r));
    }
    choices->RLData()->SetElemChecked(2, 2, true);
    choices->SetColWidths(1, 120);
    // It shows all of its cells at its natural size (its size hint follows the cells).
    layout->addWidget(choices, 0, Qt::AlignLeft);
    layout->addWidget(CreateRowEditorDemo(page, UseThemeHeaderColors));

    auto* controls = new QHBoxLayout;
    auto* common = new QCheckBox("Common header");
    common->setChecked(true);
    QObject::connect(common, &QCheckBox::toggled, list,
                     [list](bool on) { list->SetCommonHeaderVisible(on); });
    auto* fixedFirst = new QCheckBox("Fixed first column");
    QObject::connect(fixedFirst, &QCheckBox::toggled, list,
                     [list](bool on) { list->SetFixedFirstColumn(on); });
    auto* pattern = new QSpinBox;
    pattern->setRange(0, 5);
    pattern->setValue(list->RowColPattern());
    pattern->setPrefix("Band rows: ");
    QObject::connect(pattern, &QSpinBox::valueChanged, list,
                     [list](int v) { list->SetRowColPattern(v); });
    controls->addWidget(common);
    controls->addWidget(fixedFirst);
    controls->addWidget(pattern);
    controls->addStretch();
    layout->addLayout(controls);
    return page;
}

const GalleryPageRegistrar registrar({60, "Report list (TReportListView)", "replist", CreatePage});

} // namespace
