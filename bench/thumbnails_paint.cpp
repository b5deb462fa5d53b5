// Painting cost of the thumbnail grid: a full repaint of a large grid (1600 x 1200, small
// slides, about 150 visible) whose handler fills every slide's image. The slide count is
// the argument: the cost must stay the same from a hundred to a hundred million slides.
#include <VEK_Thumbnails.h>

#include <benchmark/benchmark.h>

using namespace vek;

namespace {

void BM_ThumbnailsRepaint(benchmark::State& state)
{
    TThumbnails grid;
    grid.resize(1600, 1200);
    grid.SetSlideSize(80);
    grid.SetMax(int(state.range(0)));
    grid.SetFirstThumbIdx(double(state.range(0)) / 2);
    grid.SetAntiAlias(state.range(1) != 0);
    grid.OnImageRequest = [](TObject*, int id, TThumbnails::TImageRequestProcessing& how,
                             int& mark, TBitmap& buffer) {
        how = TThumbnails::irpShowSlide;
        if (buffer.Width() != 160) {
            buffer.SetSize(160, 120);
            buffer.Canvas()->Brush()->SetColor(0x00336699);
            buffer.Canvas()->FillRect(TRect(0, 0, 160, 120));
        }
        if (id % 7 == 0)
            mark = 2;
    };
    for (int id = 1; id < 1000; id += 3)
        grid.SetSlideSelected(id, true);
    for (auto _ : state) {
        grid.Refresh();
        benchmark::DoNotOptimize(grid.Canvas()->Target());
    }
    state.counters["slides/paint"] = grid.NumSlidesHoriz() * grid.NumSlidesVert();
}
BENCHMARK(BM_ThumbnailsRepaint)
    ->Args({100, 0})
    ->Args({100000, 0})
    ->Args({100000000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
