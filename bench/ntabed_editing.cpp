// The table editor's commands and entries over a 10 x 1,000,000 table: marking every
// cell and one whole column through the data menu's commands, clearing a selected
// column, and one typed entry with Enter (which must not cost more in a large table
// than in a small one: the small table is the baseline).
#include <VEK_ntabed.h>

#include <benchmark/benchmark.h>

#include <QTest>

#include <map>
#include <memory>

using namespace vek;

namespace {

TNTabEd& Editor(int rows)
{
    static std::map<int, std::unique_ptr<TNTabEd>> editors;
    auto& tab = editors[rows];
    if (!tab) {
        tab = std::make_unique<TNTabEd>();
        tab->resize(1000, 800);
        tab->SetNrOfColumns(10);
        tab->SetNrOfRows(rows);
        tab->Fill(1.5);
    }
    return *tab;
}

// Argument: 0 marks every cell (10,000,000), 1 one whole column (1,000,000).
void BM_MarkingCommand(benchmark::State& state)
{
    TNTabEd& tab = Editor(1000000);
    tab.SetSelection({5, 1, 5, 1});
    const auto command =
        state.range(0) == 0 ? &TNTabEd::PopupMenuClickMarkAAll : &TNTabEd::PopupMenuClickMarkACol;
    for (auto _ : state) {
        (tab.*command)(nullptr);
        state.PauseTiming();
        tab.UnMarkAllElems();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MarkingCommand)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ClearASelectedColumn(benchmark::State& state)
{
    TNTabEd& tab = Editor(1000000);
    tab.SetSelection({5, 1, 5, 1000000});
    for (auto _ : state)
        tab.PopupMenuClickClear(nullptr);
}
BENCHMARK(BM_ClearASelectedColumn)->Unit(benchmark::kMillisecond);

// Argument: rows of the table.
void BM_TypedEntryWithEnter(benchmark::State& state)
{
    TNTabEd& tab = Editor(int(state.range(0)));
    for (auto _ : state) {
        tab.SetSelection({3, 2, 3, 2});
        QTest::keyClick(&tab, Qt::Key_4);
        QTest::keyClick(tab.InplaceEditor()->Widget(), Qt::Key_Return);
    }
}
BENCHMARK(BM_TypedEntryWithEnter)->Arg(10)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace
