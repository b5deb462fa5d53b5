// Painting cost of the analog meter at its default size (297 x 209): a full repaint over
// the kept face, a repaint after a setting of the face changed (which draws the face
// again), and a value change that repaints only around the needle. A no-op
// OnMeterRendered hook turns the partial repaint off, which gives the value change at
// the cost of a full repaint for comparison.
#include <VEK_Meter.h>

#include <benchmark/benchmark.h>

using namespace vek;

namespace {

void Configure(TMeter& meter)
{
    meter.SetCaption("V");
    meter.SetThresholdLow(0.2);
    meter.SetThresholdHigh(0.8);
    meter.SetScaleBkWidth(10);
    meter.SetScaleBkVisible(true);
    meter.NeedleLayout()->SetShadowDx(3);
    meter.NeedleLayout()->SetShadowDy(3);
    meter.Refresh();
}

void BM_MeterFullRepaint(benchmark::State& state)
{
    TMeter meter;
    Configure(meter);
    for (auto _ : state) {
        meter.Refresh();
        benchmark::DoNotOptimize(meter.Canvas()->Target());
    }
}
BENCHMARK(BM_MeterFullRepaint)->Unit(benchmark::kMicrosecond);

void BM_MeterFaceSettingChange(benchmark::State& state)
{
    TMeter meter;
    Configure(meter);
    int i = 0;
    for (auto _ : state) {
        meter.SetColorSclBkNorm(i++ % 2 ? 0x0080FF : 0x0060E0);
        benchmark::DoNotOptimize(meter.Canvas()->Target());
    }
}
BENCHMARK(BM_MeterFaceSettingChange)->Unit(benchmark::kMicrosecond);

void ValueChanges(benchmark::State& state, TMeter& meter)
{
    int i = 0;
    for (auto _ : state) {
        meter.SetValue(0.3 + 0.4 * ((i++ % 7) / 6.0));
        benchmark::DoNotOptimize(meter.Canvas()->Target());
    }
}

void BM_MeterValueChange(benchmark::State& state)
{
    TMeter meter;
    Configure(meter);
    ValueChanges(state, meter);
}
BENCHMARK(BM_MeterValueChange)->Unit(benchmark::kMicrosecond);

void BM_MeterValueChangeFullRepaint(benchmark::State& state)
{
    TMeter meter;
    Configure(meter);
    meter.OnMeterRendered = [](TObject*, TCanvas*) {};
    ValueChanges(state, meter);
}
BENCHMARK(BM_MeterValueChangeFullRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
