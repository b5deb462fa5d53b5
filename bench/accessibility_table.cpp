// A screen reader walking a report list: reading cells through the table interface of a
// list of 1,000 and of 1,000,000 rows of 5 columns, near the top and near the end, and a
// walk over more cells than the interface keeps (every read then makes a new cell). The
// cost should not grow with the rows, and a walk should cost no more per cell than a
// single read.
#include <VEK_replist.h>

#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QAccessibleInterface>

#include <map>
#include <memory>

using namespace vek;

namespace {

constexpr int kCols = 5;

TReportListView& List(int rows)
{
    static std::map<int, std::unique_ptr<TReportListView>> lists;
    auto& list = lists[rows];
    if (!list) {
        list = std::make_unique<TReportListView>();
        list->resize(800, 600);
        list->SetSuppressPaint(true);
        list->SetNrOfColumns(kCols);
        list->SetNrOfRows(rows);
        for (int r = 1; r <= rows; r += 997)
            list->SetElem(1 + r % kCols, r, QStringLiteral("row %1").arg(r));
    }
    return *list;
}

QAccessibleTableInterface* Table(int rows)
{
    return QAccessible::queryAccessibleInterface(&List(rows))->tableInterface();
}

void BM_ReadCellNearTheEnd(benchmark::State& state)
{
    QAccessibleTableInterface* table = Table(int(state.range(0)));
    const int row = table->rowCount() - 3;
    for (auto _ : state)
        benchmark::DoNotOptimize(table->cellAt(row, 2)->text(QAccessible::Name));
}
BENCHMARK(BM_ReadCellNearTheEnd)->Arg(1000)->Arg(1000000);

void BM_WalkManyCells(benchmark::State& state)
{
    QAccessibleTableInterface* table = Table(int(state.range(0)));
    int row = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table->cellAt(row, row % kCols)->text(QAccessible::Name));
        row = (row + 1) % table->rowCount();
    }
}
BENCHMARK(BM_WalkManyCells)->Arg(1000)->Arg(1000000);

} // namespace
