// The table editor over large tables: repainting a 1000 x 800 editor over 20 x 1,000,000
// numbers (at the top and scrolled to the middle) and over 10 x 10, and scrolling it by
// one row, side by side with a QTableView over a model that serves the same texts;
// growing NrOfRows from 4 to a million with 10 columns; AutoColWidth of a million-row
// column; and the memory a 20 x 1,000,000 table takes (counters "table_MB" from the table's own count and
// "rss_MB" from the process).
#include <VEK_ntabed.h>

#include "support/demo_values.h"
#include "support/rendering.h"
#include "support/text_table_model.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <map>
#include <memory>

#include <unistd.h>

using namespace vek;

namespace {

constexpr int kWidth = 1000, kHeight = 800;

using benchdemo::FillDemo;

// An editor of cols x rows demo numbers, built once per size.
TNTabEd& Editor(int cols, int rows)
{
    static std::map<std::pair<int, int>, std::unique_ptr<TNTabEd>> editors;
    auto& tab = editors[{cols, rows}];
    if (!tab) {
        tab = std::make_unique<TNTabEd>();
        tab->resize(kWidth, kHeight);
        tab->SetSuppressPaint(true);
        tab->SetNrOfColumns(cols);
        tab->SetNrOfRows(rows);
        tab->Clear();
        FillDemo(*tab->Data());
        tab->SetElemMarkedA(2, 3, true);
        tab->SetSuppressPaint(false);
    }
    return *tab;
}

struct TableView {
    std::unique_ptr<TextTableModel> model;
    std::unique_ptr<QTableView> view;
};

TableView& Table(int cols, int rows)
{
    static std::map<std::pair<int, int>, TableView> tables;
    TableView& table = tables[{cols, rows}];
    if (!table.view) {
        const TNTabEd& tab = Editor(cols, rows);
        table.model = std::make_unique<TextTableModel>(
            rows, cols,
            [&tab](int row, int column) {
                return FormatCellNumber(tab.Elem(column + 1, row + 1), 1, tab.Precision(column + 1));
            },
            [&tab](Qt::Orientation orientation, int section) {
                return orientation == Qt::Horizontal ? tab.ColName(section + 1)
                                                     : tab.RowName(section + 1);
            });
        table.view = std::make_unique<QTableView>();
        table.view->setModel(table.model.get());
        table.view->verticalHeader()->setDefaultSectionSize(Editor(cols, rows).DefaultRowHeight() + 1);
        table.view->resize(kWidth, kHeight);
    }
    return table;
}

// Arguments: columns, rows, and whether to scroll to the middle first.
void BM_TableEditorRepaint(benchmark::State& state)
{
    const int cols = int(state.range(0)), rows = int(state.range(1));
    TNTabEd& tab = Editor(cols, rows);
    tab.SetTopRow(state.range(2) ? rows / 2 : 1);
    MeasureRendering(state, tab, [&tab] { tab.Invalidate(); });
}
BENCHMARK(BM_TableEditorRepaint)
    ->Args({10, 10, 0})
    ->Args({20, 1000000, 0})
    ->Args({20, 1000000, 1})
    ->Unit(benchmark::kMillisecond);

void BM_QTableViewRepaint(benchmark::State& state)
{
    const int cols = int(state.range(0)), rows = int(state.range(1));
    QTableView& view = *Table(cols, rows).view;
    view.scrollTo(view.model()->index(state.range(2) ? rows / 2 : 0, 0),
                  QAbstractItemView::PositionAtTop);
    MeasureRendering(state, view);
}
BENCHMARK(BM_QTableViewRepaint)
    ->Args({10, 10, 0})
    ->Args({20, 1000000, 0})
    ->Args({20, 1000000, 1})
    ->Unit(benchmark::kMillisecond);

// Scrolling down one row per repaint over 20 x 1,000,000, so that every repaint meets
// new numbers.
void BM_TableEditorScrollByRow(benchmark::State& state)
{
    TNTabEd& tab = Editor(20, 1000000);
    tab.SetTopRow(1);
    MeasureRendering(state, tab, [&tab] { tab.SetTopRow(tab.TopRow() + 1); });
}
BENCHMARK(BM_TableEditorScrollByRow)->Unit(benchmark::kMillisecond);

void BM_QTableViewScrollByRow(benchmark::State& state)
{
    QTableView& view = *Table(20, 1000000).view;
    view.scrollToTop();
    QScrollBar& bar = *view.verticalScrollBar();
    MeasureRendering(state, view, [&bar] { bar.setValue(bar.value() + 1); });
}
BENCHMARK(BM_QTableViewScrollByRow)->Unit(benchmark::kMillisecond);

void BM_NrOfRowsFourToAMillion(benchmark::State& state)
{
    TNTabEd tab;
    tab.resize(kWidth, kHeight);
    tab.SetNrOfColumns(10);
    for (auto _ : state) {
        state.PauseTiming();
        tab.SetNrOfRows(4);
        state.ResumeTiming();
        tab.SetNrOfRows(1000000);
        benchmark::DoNotOptimize(tab.NrOfRows());
    }
}
BENCHMARK(BM_NrOfRowsFourToAMillion)->Unit(benchmark::kMillisecond);

// Argument: the column's precision (3: fixed and exponent forms mixed; -1 exponent only).
void BM_AutoColWidthOfAMillionRows(benchmark::State& state)
{
    TNTabEd& tab = Editor(20, 1000000);
    tab.SetPrecision(5, int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(tab.AutoColWidth(5, true, 2));
}
BENCHMARK(BM_AutoColWidthOfAMillionRows)->Arg(3)->Arg(-1)->Unit(benchmark::kMillisecond);

// Resident memory of the process in bytes.
double ResidentBytes()
{
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) : 0;
}

void BM_MemoryOfATwentyByAMillionTable(benchmark::State& state)
{
    for (auto _ : state) {
        const double before = ResidentBytes();
        TDataTable table;
        table.Resize(20, 1000000);
        FillDemo(table); // touches every page
        state.counters["table_MB"] = double(table.MemoryUsed()) / 1e6;
        state.counters["rss_MB"] = (ResidentBytes() - before) / 1e6;
    }
}
BENCHMARK(BM_MemoryOfATwentyByAMillionTable)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
