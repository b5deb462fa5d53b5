// Report list page, row editor: lab samples in columns whose formats use every field the
// row editor has. "Edit row..." or a double click on a row opens the editor for the
// current row.
#include "replist_roweditor_demo.h"

#include <VEK_replist.h>

#include <QHBoxLayout>
#include <QPushButton>

#include <algorithm>
#include <iterator>

using namespace vek;

namespace {

struct DemoColumn {
    const char* header;
    const char* format;
    int width;
};

const DemoColumn DemoColumns[] = {
    {"Sample", "[#s][90]", 60},                                  // read-only text
    {"Label", "[s][160]", 100},                                  // text
    {"Operator", "[c:4][120]Lindqvist|Okafor|Tanaka|Varga", 75}, // list with free text
    {"Method", "[l:3][120]titration|photometry|gravimetry", 80}, // fixed list
    {"Taken", "[ddd.MM.yyyy][110]", 80},                         // date
    {"At", "[dhh:mm tt][90]", 65},                               // time, 12-hour clock
    {"Volume", "[f][90]", 55},                                   // decimal number
    {"Signal", "[e][110]", 70},                                  // number with exponent
    {"Flags", "[h][70]", 45},                                    // hexadecimal
    {"Run", "[i][60]rix3", 35},                                  // row number by default
    {"Code", "[s][120]$pwd$8", 70},                              // invented password
};
constexpr int SampleCount = 4;

void FillSamples(TReportListView* list)
{
    const QStringList labels = {"Buffer A", "River water", "Soil extract", ""};
    const QStringList operators = {"Okafor", "Tanaka", "Varga", ""};
    const QStringList methods = {"titration", "photometry", "gravimetry", ""};
    list->SetDefaultRowHeight(20);
    list->SetNrOfColumns(int(std::size(DemoColumns)));
    list->SetNrOfRows(SampleCount);
    for (int c = 1; c <= list->NrOfColumns(); ++c) {
        list->SetHeader(c, DemoColumns[c - 1].header);
        list->SetColumnFormat(c, DemoColumns[c - 1].format);
        list->SetColWidths(c, DemoColumns[c - 1].width);
    }
    // The last row is left empty: the editor starts it with the formats' defaults.
    for (int r = 1; r < SampleCount; ++r) {
        const QStringList cells = {QStringLiteral("S-%1").arg(100 + r), labels[r - 1],
                                   operators[r - 1], methods[r - 1],
                                   QStringLiteral("%1.03.2024").arg(10 + r, 2, 10, QChar(u'0')),
                                   QStringLiteral("0%1:30 PM").arg(r), QString::number(2.5 * r),
                                   QStringLiteral("1.5E-0%1").arg(r), QStringLiteral("1F"),
                                   QStringLiteral("%1").arg(r, 3, 10, QChar(u'0')), "x7Kq2Lp9"};
        for (int c = 1; c <= cells.size(); ++c)
            list->SetElem(c, r, cells[c - 1]);
    }
    list->SetElem(1, SampleCount, QStringLiteral("S-%1").arg(100 + SampleCount));
    list->SetColumnIsPwd(int(std::size(DemoColumns)), true);
}

// The data row of the grid's current cell.
void EditCurrentRow(TReportListView* list, QWidget* anchor)
{
    if (list->NrOfRows() < 1)
        return;
    const int row = std::clamp(list->Row() - list->FixedRows() + 1, 1, list->NrOfRows());
    const QPoint below = anchor->mapToGlobal(QPoint(0, anchor->height()));
    list->EditRowEntries(row, below.x(), below.y());
}

} // namespace

QWidget* CreateRowEditorDemo(QWidget* parent,
                             const std::function<void(TReportListView*)>& style)
{
    auto* demo = new QWidget(parent);
    auto* layout = new QHBoxLayout(demo);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* list = new TReportListView(demo);
    FillSamples(list);
    style(list);
    auto* edit = new QPushButton("Edit row...", demo);
    QObject::connect(edit, &QPushButton::clicked, list, [list, edit] { EditCurrentRow(list, edit); });
    list->OnDblClick = [list, edit](TObject*) { EditCurrentRow(list, edit); };
    layout->addWidget(list, 0, Qt::AlignLeft);
    layout->addWidget(edit, 0, Qt::AlignTop);
    layout->addStretch();
    return demo;
}
