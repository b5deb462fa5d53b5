// Rebuilding the seven-segment glyph cache: on resizing (the glyphs are only rescaled)
// and on a color change (the glyphs are composed again first), for a 600 x 150 display.
#include <VEK_sevenseg.h>

#include <benchmark/benchmark.h>

using namespace vek;

static void SevenSegResize600x150(benchmark::State& state)
{
    TSevenSeg seg;
    seg.resize(600, 150);
    seg.Refresh();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        seg.resize(wide ? 604 : 600, 150); // 4 pixels give a new cell width
        seg.Refresh();
    }
}
BENCHMARK(SevenSegResize600x150)->Unit(benchmark::kMillisecond);

static void SevenSegColorChange600x150(benchmark::State& state)
{
    TSevenSeg seg;
    seg.resize(600, 150);
    bool red = false;
    for (auto _ : state) {
        red = !red;
        seg.SetColorText(red ? 0x0000FF : 0x00FF00);
    }
}
BENCHMARK(SevenSegColorChange600x150)->Unit(benchmark::kMillisecond);
