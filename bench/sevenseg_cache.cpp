// Rebuilding the seven-segment glyph cache of a 600 x 150 display: on resizing (the
// glyphs in use are scaled again) and on a color change (they are composed again
// first). The clock case shows eight different cells at once.
#include <VEK_sevenseg.h>

#include <benchmark/benchmark.h>

using namespace vek;

static void Resize(benchmark::State& state, const QString& caption, int digits)
{
    TSevenSeg seg;
    seg.SetNumDigits(digits);
    seg.SetCaption(caption);
    seg.resize(600, 150);
    seg.Refresh();
    bool wide = false;
    for (auto _ : state) {
        wide = !wide;
        seg.resize(wide ? 616 : 600, 150); // 16 pixels give a new cell width for 4 and 8 cells
        seg.Refresh();
    }
}

static void SevenSegResize600x150(benchmark::State& state)
{
    Resize(state, "8.8.8.8.", 4);
}
BENCHMARK(SevenSegResize600x150)->Unit(benchmark::kMillisecond)->UseRealTime();

static void SevenSegClockResize600x150(benchmark::State& state)
{
    Resize(state, "12:34:56.7", 8);
}
BENCHMARK(SevenSegClockResize600x150)->Unit(benchmark::kMillisecond)->UseRealTime();

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
BENCHMARK(SevenSegColorChange600x150)->Unit(benchmark::kMillisecond)->UseRealTime();
