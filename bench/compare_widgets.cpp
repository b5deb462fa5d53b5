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

// Both of a pair take the size of ours.
template <typename Ours, typename Theirs>
void SameSize(const Ours& ours, Theirs& theirs)
{
    theirs.resize(ours.size());
}

void BM_SevenSegRepaint(benchmark::State& state)
{
    TSevenSeg seg;
    seg.SetNumDigits(6);
    seg.SetCaption(QStringLiteral("-12.345"));
    MeasureRendering(state, seg, [&seg] { seg.Invalidate(); });
}
BENCHMARK(BM_SevenSegRepaint)->Unit(benchmark::kMicrosecond);

void BM_QLCDNumberRepaint(benchmark::State& state)
{
    TSevenSeg seg;
    QLCDNumber lcd(6);
    SameSize(seg, lcd);
    lcd.display(QStringLiteral("-12.345"));
    MeasureRendering(state, lcd);
}
BENCHMARK(BM_QLCDNumberRepaint)->Unit(benchmark::kMicrosecond);

void BM_ProgBarRepaint(benchmark::State& state)
{
    TProgBar bar;
    bar.SetValue(60);
    MeasureRendering(state, bar, [&bar] { bar.Invalidate(); });
}
BENCHMARK(BM_ProgBarRepaint)->Unit(benchmark::kMicrosecond);

void BM_QProgressBarRepaint(benchmark::State& state)
{
    TProgBar bar;
    QProgressBar qbar;
    SameSize(bar, qbar);
    qbar.setValue(60);
    MeasureRendering(state, qbar);
}
BENCHMARK(BM_QProgressBarRepaint)->Unit(benchmark::kMicrosecond);

void BM_MiniCalRepaint(benchmark::State& state)
{
    TMiniCal calendar;
    calendar.SetDate(EncodeDate(2024, 5, 17));
    MeasureRendering(state, calendar, [&calendar] { calendar.Invalidate(); });
}
BENCHMARK(BM_MiniCalRepaint)->Unit(benchmark::kMicrosecond);

void BM_QCalendarWidgetRepaint(benchmark::State& state)
{
    TMiniCal calendar;
    QCalendarWidget qcalendar;
    SameSize(calendar, qcalendar);
    qcalendar.setSelectedDate(QDate(2024, 5, 17));
    MeasureRendering(state, qcalendar);
}
BENCHMARK(BM_QCalendarWidgetRepaint)->Unit(benchmark::kMicrosecond);

// The numeric field as a QDoubleSpinBox shows it: a value with two decimals.
void Prepare(TNumIO2& field)
{
    field.SetValue(42.5);
}

void BM_NumIO2Repaint(benchmark::State& state)
{
    TNumIO2 field;
    Prepare(field);
    MeasureRendering(state, field, [&field] { field.Invalidate(); });
}
BENCHMARK(BM_NumIO2Repaint)->Unit(benchmark::kMicrosecond);

void BM_QDoubleSpinBoxRepaint(benchmark::State& state)
{
    TNumIO2 field;
    QDoubleSpinBox box;
    SameSize(field, box);
    box.setValue(42.5);
    MeasureRendering(state, box);
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
    Prepare(field);
    MeasureRendering(state, field, [&field] { TypeAndDelete(field); });
}
BENCHMARK(BM_NumIO2Keystroke)->Unit(benchmark::kMicrosecond);

void BM_QDoubleSpinBoxKeystroke(benchmark::State& state)
{
    TNumIO2 field;
    QDoubleSpinBox box;
    SameSize(field, box);
    box.setValue(42.5);
    box.setFocus();
    MeasureRendering(state, box, [&box] { TypeAndDelete(box); });
}
BENCHMARK(BM_QDoubleSpinBoxKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace
