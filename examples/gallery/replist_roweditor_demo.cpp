// Report list page, row editor: lab samples in columns whose formats use every field the
// row editor has. "Edit row..." or a double click on a row opens the editor for the
// current row.
#include "replist_roweditor_demo.h"

#include <VEK_replist.h>

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

using namespace vek;

namespace {

struct DemoColumn {
    const char* header;
    const char* format;
};

const DemoColumn DemoColumns[] = {
    {"No.", "[#s][90]"},                        // read-only text
    {"Label", "[s][160]"},                      // text
    {"By", "[c:4][120]Ana|Ben|Kim|Raj"},        // list with free text
    {"Method", "[l:3][120]pH|UV|IR"},           // fixed list
    {"Date", "[ddd.MM.yy][110]"},               // date, two-digit year
    {"Time", "[dh:mm tt][90]"},                 // time, 12-hour clock
    {"ml", "[f][90]"},                          // decimal number
    {"Signal", "[e][110]"},                     // number with exponent
    {"Hex", "[h][70]"},                         // hexadecimal
    {"Run", "[i][60]rix3"},                     // row number by default
};
constexpr int SampleCount = 4;

void FillSamples(TReportListView* list)
{
    const QStringList labels = {"Buffer", "River", "Soil"};
    const QStringList operators = {"Ana", "Kim", "Raj"};
    const QStringList methods = {"pH", "UV", "IR"};
    list->SetDefaultRowHeight(20);
    list->SetNrOfColumns(int(std::size(DemoColumns)));
    list->SetNrOfRows(SampleCount);
    for (int c = 1; c <= list->NrOfColumns(); ++c) {
        list->SetHeader(c, DemoColumns[c - 1].header);
        list->SetColumnFormat(c, DemoColumns[c - 1].format);
    }
    // The last row is left empty: the editor starts it with the formats' defaults.
    for (int r = 1; r < SampleCount; ++r) {
        const QStringList cells = {QStringLiteral("S-%1").arg(100 + r), labels[r - 1],
                                   operators[r - 1], methods[r - 1],
                                   QStringLiteral("%1.03.24").arg(10 + r),
                                   QStringLiteral("%1:30 PM").arg(r), QString::number(2.5 * r),
                                   QStringLiteral("1.5E-%1").arg(r), QStringLiteral("1F"),
                                   QStringLiteral("%1").arg(r, 3, 10, QChar(u'0'))};
        for (int c = 1; c <= cells.size(); ++c)
            list->SetElem(c, r, cells[c - 1]);
    }
    list->SetElem(1, SampleCount, QStringLiteral("S-%1").arg(100 + SampleCount));
    for (int c = 1; c <= list->NrOfColumns(); ++c)
        list->AutoColWidth(c, true, 3);
}

// The data row of the grid's current cell.
void EditCurrentRow(TReportListView* list, QWidget* anchor)
{
    if (list->NrOfRows() < 1)
        return;
    const int row = std::max(list->CurrentRow(), 1);
    const QPoint below = anchor->mapToGlobal(QPoint(0, anchor->height()));
    list->EditRowEntries(row, below.x(), below.y());
}

} // namespace

QWidget* CreateRowEditorDemo(QWidget* parent)
{
    auto* demo = new QWidget(parent);
    auto* layout = new QVBoxLayout(demo);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* list = new TReportListView(demo);
    FillSamples(list);
    auto* edit = new QPushButton("Edit row...", demo);
    QObject::connect(edit, &QPushButton::clicked, list, [list, edit] { EditCurrentRow(list, edit); });
    list->OnDblClick = [list, edit](TObject*) { EditCurrentRow(list, edit); };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(edit);
    buttons->addWidget(new QLabel("or double-click a row", demo));
    buttons->addStretch();
    layout->addWidget(list, 0, Qt::AlignLeft);
    layout->addLayout(buttons);
    return demo;
}
