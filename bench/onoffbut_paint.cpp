// Cost of the two-state button's work: a full repaint (opaque, and transparent with
// captions), a style change that loads and splits an image set, and a click in a group
// of twenty radio buttons on one parent.
#include <VEK_onoffbut.h>

#include <QWidget>

#include <benchmark/benchmark.h>

using namespace vek;

namespace {

void WithCaptions(TOnOffBut& button)
{
    button.resize(220, 90);
    button.SetLeftText("Left");
    button.SetRightText("Right");
    button.SetTopText("Top");
    button.SetBottomText("Bottom");
}

void BM_OnOffButRepaint(benchmark::State& state)
{
    TOnOffBut button;
    for (auto _ : state) {
        button.Refresh();
        benchmark::DoNotOptimize(button.Canvas()->Target());
    }
}
BENCHMARK(BM_OnOffButRepaint)->Unit(benchmark::kMicrosecond);

void BM_OnOffButRepaintCaptions(benchmark::State& state)
{
    TOnOffBut button;
    WithCaptions(button);
    button.SetTransparent(state.range(0) != 0);
    for (auto _ : state) {
        button.Refresh();
        benchmark::DoNotOptimize(button.Canvas()->Target());
    }
}
BENCHMARK(BM_OnOffButRepaintCaptions)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_OnOffButStyleChange(benchmark::State& state)
{
    TOnOffBut button;
    int i = 0;
    for (auto _ : state)
        button.SetButtonStyle(++i % 2 ? TOnOffBut::oobsBulb : TOnOffBut::oobsCheckbox);
}
BENCHMARK(BM_OnOffButStyleChange)->Unit(benchmark::kMicrosecond);

void BM_OnOffButGroupSwitch(benchmark::State& state)
{
    QWidget parent;
    std::vector<TOnOffBut*> buttons;
    for (int i = 0; i < 20; ++i) {
        auto* button = new TOnOffBut(&parent);
        button->SetButtonStyle(TOnOffBut::oobsRadioBut);
        button->SetGroupIndex(1);
        buttons.push_back(button);
    }
    int i = 0;
    for (auto _ : state)
        buttons[++i % 20]->SetOnOff(true);
}
BENCHMARK(BM_OnOffButGroupSwitch)->Unit(benchmark::kMicrosecond);

} // namespace
