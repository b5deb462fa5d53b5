// Gallery page of the report list: a few thousand rows of demo orders with check and
// radio columns, a password column, banded rows, a highlighted row, both header rows, a
// filter, the selection modes, editable columns and a line that tells the last event.
#include "pages.h"
#include "replist_roweditor_demo.h"

#include <VEK_replist.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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

// A filter field with its mode: the list shows the matching orders as one types.
QLayout* CreateFilterRow(TReportListView* list, QLabel* events)
{
    auto* row = new QHBoxLayout;
    auto* field = new QLineEdit;
    field->setPlaceholderText("Filter, e.g. Lyon paid");
    auto* mode = new QComboBox;
    mode->addItems({"Words", "AND / OR / NOT", "Regular expression"});
    auto apply = [list, field, mode, events] {
        try {
            list->FilterAndSort(field->text(), {}, true, TFilterMode(mode->currentIndex()),
                                -1, true);
            events->setText(QString("Filter: %1 of %2 orders shown")
                                .arg(list->NrOfShownRows()).arg(list->NrOfRows()));
        } catch (const EVEKRepListError& e) {
            events->setText(e.Message());
        }
    };
    QObject::connect(field, &QLineEdit::textChanged, list, apply);
    QObject::connect(mode, &QComboBox::currentIndexChanged, list, apply);
    row->addWidget(new QLabel("Filter:"));
    row->addWidget(field, 1);
    row->addWidget(mode);
    return row;
}

// The line under the list tells what the user just did.
void ReportEvents(TReportListView* list, QLabel* events)
{
    list->OnCheckedChange = [list, events](TObject*, bool& before, int col, int row) {
        events->setText(QString("%1 of order %2: %3")
                            .arg(list->Header(col), list->Elem(1, row), before ? "cleared" : "checked"));
    };
    QObject::connect(list, &TReportListView::selectedChanged, events, [list, events] {
        const int row = list->FirstSelectedRow();
        events->setText(QString("%1 selected, first: %2")
                            .arg(list->NumSelectedRows())
                            .arg(row > 0 ? "order " + list->Elem(1, row) : "none"));
    });
    QObject::connect(list, &TReportListView::cellEdited, events,
                     [list, events](int col, int row, const QString& text) {
                         events->setText(QString("%1 of order %2 is now \"%3\"")
                                             .arg(list->Header(list->ColumnOrder(col + 1)),
                                                  list->Elem(1, row), text));
                     });
    QObject::connect(list, &TReportListView::rowsRearranged, events, [list, events] {
        if (list->LastSortColumn() > 0)
            events->setText(QString("Sorted by %1, %2").arg(list->Header(list->LastSortColumn()),
                                                            list->LastSortOrder() ? "ascending" : "descending"));
    });
}

QWidget* CreatePage(QWidget* parent)
{
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    auto* list = new TReportListView(page);
    FillDemoData(list);
    list->SetCommonHeader("Open orders, spring quarter (click a header to sort)");
    list->SetCommonHeaderVisible(true);
    list->SetHighLightRow(4);
    list->SetRowSelected(2, true);
    list->SetRowEnabled(6, false);
    list->SetColumnEditable(2, true); // customer and city: F2, Enter or typing edits
    list->SetColumnEditable(3, true);
    list->setFocus(Qt::OtherFocusReason); // the current cell shows its dotted focus mark
    auto* events = new QLabel("Click, type, sort or filter: the last event shows here.");
    layout->addLayout(CreateFilterRow(list, events));
    layout->addWidget(list, 1);
    layout->addWidget(events);
    ReportEvents(list, events);

    // A second, small list shows radio buttons (one choice per column).
    auto* choices = new TReportListView(page);
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
    layout->addWidget(CreateRowEditorDemo(page));

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
    auto* selection = new QComboBox;
    selection->addItems({"No row selection", "Single row", "Multiple rows"});
    selection->setCurrentIndex(list->RowSelectMode());
    QObject::connect(selection, &QComboBox::currentIndexChanged, list,
                     [list](int mode) { list->SetRowSelectMode(mode); });
    controls->addWidget(common);
    controls->addWidget(fixedFirst);
    controls->addWidget(pattern);
    controls->addWidget(selection);
    controls->addStretch();
    layout->addLayout(controls);
    return page;
}

const GalleryPageRegistrar registrar({60, "Report list (TReportListView)", "replist", CreatePage});

} // namespace
