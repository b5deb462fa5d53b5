// Small controls beside the Qt widget a programmer would pick instead, each pair at the
// same size showing the same value: a repaint rendered into an image (ours invalidated
// first, so that it paints anew) and, for the numeric field, a keystroke (a digit typed
// and deleted again) followed by the repaint it asks for.
#include <VEK_MiniCal.h>
#include <VEK_NumIO.h>
#include <VEK_ProgBar.h>
#include <VEK_sevenseg.h>

#include "support/rendering.h"

#include <frame/runtime/rtl.h>

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCalendarWidget>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLCDNumber>
#include <QProgressBar>

using namespace vek;

namespace {

// Renders our control, invalidated each time so that it paints anew.
void MeasureOurs(benchmark::State& state, TControl& ours)
{
    MeasureRendering(state, ours, [&ours] { ours.Invalidate(); });
}

// Renders the Qt widget of a pair at the default size of our control Ours.
template <typename Ours>
void MeasureTheirs(benchmark::State& state, QWidget& theirs, const std::function<void()>& prepare = {})
{
    const Ours ours;
    theirs.resize(ours.size());
    MeasureRendering(state, theirs, prepare);
}

void BM_SevenSegRepaint(benchmark::State& state)
{
    TSevenSeg seg;
    seg.SetNumDigits(6);
    seg.SetCaption(QStringLiteral("-12.345"));
    MeasureOurs(state, seg);
}
BENCHMARK(BM_SevenSegRepaint)->Unit(benchmark::kMicrosecond);

void BM_QLCDNumberRepaint(benchmark::State& state)
{
    QLCDNumber lcd(6);
    lcd.display(QStringLiteral("-12.345"));
    MeasureTheirs<TSevenSeg>(state, lcd);
}
BENCHMARK(BM_QLCDNumberRepaint)->Unit(benchmark::kMicrosecond);

void BM_ProgBarRepaint(benchmark::State& state)
{
    TProgBar bar;
    bar.SetValue(60);
    MeasureOurs(state, bar);
}
BENCHMARK(BM_ProgBarRepaint)->Unit(benchmark::kMicrosecond);

void BM_QProgressBarRepaint(benchmark::State& state)
{
    QProgressBar bar;
    bar.setValue(60);
    MeasureTheirs<TProgBar>(state, bar);
}
BENCHMARK(BM_QProgressBarRepaint)->Unit(benchmark::kMicrosecond);

void BM_MiniCalRepaint(benchmark::State& state)
{
    TMiniCal calendar;
    calendar.SetDate(EncodeDate(2024, 5, 17));
    MeasureOurs(state, calendar);
}
BENCHMARK(BM_MiniCalRepaint)->Unit(benchmark::kMicrosecond);

void BM_QCalendarWidgetRepaint(benchmark::State& state)
{
    QCalendarWidget calendar;
    calendar.setSelectedDate(QDate(2024, 5, 17));
    MeasureTheirs<TMiniCal>(state, calendar);
}
BENCHMARK(BM_QCalendarWidgetRepaint)->Unit(benchmark::kMicrosecond);

void BM_NumIO2Repaint(benchmark::State& state)
{
    TNumIO2 field;
    field.SetValue(42.5);
    MeasureOurs(state, field);
}
BENCHMARK(BM_NumIO2Repaint)->Unit(benchmark::kMicrosecond);

void BM_QDoubleSpinBoxRepaint(benchmark::State& state)
{
    QDoubleSpinBox box;
    box.setValue(42.5);
    MeasureTheirs<TNumIO2>(state, box);
}
BENCHMARK(BM_QDoubleSpinBoxRepaint)->Unit(benchmark::kMicrosecond);

// A digit typed at the end and deleted again, then the repaint.
void TypeAndDelete(QWidget& target)
{
    QKeyEvent digit(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));
    QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(&target, &digit);
    QApplication::sendEvent(&target, &back);
}

void BM_NumIO2Keystroke(benchmark::State& state)
{
    TNumIO2 field;
    field.SetValue(42.5);
    MeasureRendering(state, field, [&field] { TypeAndDelete(field); });
}
BENCHMARK(BM_NumIO2Keystroke)->Unit(benchmark::kMicrosecond);

void BM_QDoubleSpinBoxKeystroke(benchmark::State& state)
{
    QDoubleSpinBox box;
    box.setValue(42.5);
    MeasureTheirs<TNumIO2>(state, box, [&box] { TypeAndDelete(box); });
}
BENCHMARK(BM_QDoubleSpinBoxKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
