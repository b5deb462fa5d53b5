// Painting cost of the progress bar at its default size (300 x 28) and as a tall vertical
// bar: a full repaint with a solid bar, with each gradient mapping and grid lines, and a
// value step as an auto-increment tick makes it.
#include <VEK_ProgBar.h>

#include <benchmark/benchmark.h>

using namespace vek;

namespace {

void Repaint(benchmark::State& state, TProgBar& bar)
{
    for (auto _ : state) {
        bar.Refresh();
        benchmark::DoNotOptimize(bar.Canvas()->Target());
    }
}

void BM_ProgBarSolid(benchmark::State& state)
{
    TProgBar bar;
    bar.SetValue(60);
    Repaint(state, bar);
}
BENCHMARK(BM_ProgBarSolid)->Unit(benchmark::kMicrosecond);

void BM_ProgBarGradient(benchmark::State& state)
{
    TProgBar bar;
    bar.SetValue(60);
    bar.SetShowColorGradient(true);
    bar.SetColorMapMode(TProgBar::TColorMapping(state.range(0)));
    bar.SetGridDist(10);
    Repaint(state, bar);
}
BENCHMARK(BM_ProgBarGradient)->Arg(TProgBar::cgmCover)->Arg(TProgBar::cgmStretch)->Arg(TProgBar::cgmMove)->Unit(benchmark::kMicrosecond);

void BM_ProgBarTallGradient(benchmark::State& state)
{
    TProgBar bar;
    bar.resize(60, 1200);
    bar.SetDirection(dirUp);
    bar.SetValue(90);
    bar.SetShowColorGradient(true);
    Repaint(state, bar);
}
BENCHMARK(BM_ProgBarTallGradient)->Unit(benchmark::kMicrosecond);

void BM_ProgBarValueStep(benchmark::State& state)
{
    TProgBar bar;
    bar.SetShowColorGradient(true);
    bar.SetColorMapMode(TProgBar::cgmMove);
    int i = 0;
    for (auto _ : state) {
        bar.SetValue(i++ % 100);
        benchmark::DoNotOptimize(bar.Canvas()->Target());
    }
}
BENCHMARK(BM_ProgBarValueStep)->Unit(benchmark::kMicrosecond);

} // namespace
