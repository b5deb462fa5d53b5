// The table editor's data exchange at size: Copy of a 1,000 x 1,000 block (in full
// precision and in the columns' precision), extraction of the 1,000,000 numbers of that
// text from the clipboard, and SortRows of 20 x 1,000,000 cells by one column (with and
// without the row headers).
#include <VEK_ntabed.h>

#include "support/demo_values.h"

#include <benchmark/benchmark.h>

#include <QClipboard>
#include <QGuiApplication>

using namespace vek;
using benchdemo::FillDemo;

namespace {

// An editor of cols x rows demo numbers with every data cell selected.
std::unique_ptr<TNTabEd> Editor(int cols, int rows)
{
    auto tab = std::make_unique<TNTabEd>();
    tab->resize(1000, 800);
    tab->SetSuppressPaint(true);
    tab->Redimension(cols, rows);
    FillDemo(*tab->Data());
    tab->SetSuppressPaint(false);
    tab->SetSelection({2, 1, cols + 1, rows});
    return tab;
}

// Argument: ClipboardUseFullPrec.
void BM_CopyThousandByThousand(benchmark::State& state)
{
    const auto tab = Editor(1000, 1000);
    tab->SetClipboardUseFullPrec(state.range(0) != 0);
    for (auto _ : state)
        tab->PopupMenuClickCopy(nullptr);
    state.counters["text_MB"] = double(QGuiApplication::clipboard()->text().size()) * 2 / 1e6;
}
BENCHMARK(BM_CopyThousandByThousand)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Argument: ClipboardUseFullPrec of the text copied.
void BM_ExtractAMillionNumbers(benchmark::State& state)
{
    const auto tab = Editor(1000, 1000);
    tab->SetClipboardUseFullPrec(state.range(0) != 0);
    tab->PopupMenuClickCopy(nullptr);
    tab->Fill(0);
    for (auto _ : state)
        tab->PopupMenuClickExtClip(nullptr);
}
BENCHMARK(BM_ExtractAMillionNumbers)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// Argument: IncludeHeaders. Every run sorts the demo order again.
void BM_SortRowsOfAMillion(benchmark::State& state)
{
    const auto tab = Editor(20, 1000000);
    tab->Clear(); // every row named
    for (auto _ : state) {
        state.PauseTiming();
        FillDemo(*tab->Data());
        state.ResumeTiming();
        tab->SortRows(3, true, 1, 1, 20, 1000000, state.range(0) != 0);
    }
}
BENCHMARK(BM_SortRowsOfAMillion)->Arg(0)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace
