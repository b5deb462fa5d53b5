// One repaint of a scrolling dot-matrix banner (raster on, 400 x 68, a sentence of
// text), the work done on every scroll step.
#include <VEK_RasterLab.h>

#include <benchmark/benchmark.h>

using namespace vek;

static void RasterLabScrollStep(benchmark::State& state)
{
    TRasterLab lab;
    lab.SetText("The quick brown fox jumps over the lazy dog 0123456789");
    int offset = 0;
    for (auto _ : state) {
        lab.SetPosX(1 + (offset = (offset + 1) % 8));
    }
}
BENCHMARK(RasterLabScrollStep)->Unit(benchmark::kMillisecond)->UseRealTime();
