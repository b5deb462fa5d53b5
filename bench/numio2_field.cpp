// The custom-drawn numeric field's hot paths: a full repaint (done on every keystroke,
// caret blink and drag step), one validated keystroke, and the caret placement of a
// click in a long text.
#include <VEK_NumIO.h>

#include <benchmark/benchmark.h>

#include <QKeyEvent>
#include <QApplication>

namespace {

vek::TNumIO2* MakeField()
{
    auto* field = new vek::TNumIO2;
    field->SetHeight(40);
    field->SetButVisible(true);
    field->SetGaugeVisible(true);
    field->SetLeftText(QStringLiteral("Level"));
    field->SetRightText(QStringLiteral("%"));
    field->SetValue(42.5);
    field->Refresh();
    return field;
}

void BM_Repaint(benchmark::State& state)
{
    std::unique_ptr<vek::TNumIO2> field(MakeField());
    for (auto _ : state)
        field->Refresh();
}
BENCHMARK(BM_Repaint);

void BM_TypeAndDeleteDigit(benchmark::State& state)
{
    std::unique_ptr<vek::TNumIO2> field(MakeField());
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    for (auto _ : state) {
        QApplication::sendEvent(field.get(), &digit);
        QApplication::sendEvent(field.get(), &back);
    }
}
BENCHMARK(BM_TypeAndDeleteDigit);

void BM_CaretFromClickInLongText(benchmark::State& state)
{
    std::unique_ptr<vek::TNumIO2> field(MakeField());
    field->SetAlignment(vek::taLeftJustify);
    field->SetText(QString(1000, QLatin1Char('9')));
    int x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(field->XCoordsToCharPos(40 + x));
        x = (x + 7) % 80;
    }
}
BENCHMARK(BM_CaretFromClickInLongText);

} // namespace
