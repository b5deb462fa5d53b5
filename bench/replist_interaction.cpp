// The report list's interaction at a million rows of 5 columns: a header click that sorts
// (finding the selected row again), FilterAndSort with a word and with a regular
// expression, a repaint of the filtered view, and cell writes through the control with
// painting on (they mark the view; the paint comes once, later).
#include <VEK_replist.h>

#include <benchmark/benchmark.h>

#include <QImage>
#include <QTest>

#include <memory>

using namespace vek;

namespace {

constexpr int kRows = 1000000, kCols = 5;
constexpr int kWidth = 800, kHeight = 600;

const QStringList kWords = {"alpha", "Bravo", "charlie", "Delta", "echo", "Foxtrot"};

std::unique_ptr<TReportListView> MakeList()
{
    auto list = std::make_unique<TReportListView>();
    list->resize(kWidth, kHeight);
    list->SetSuppressPaint(true);
    list->SetNrOfColumns(kCols);
    list->SetNrOfRows(kRows);
    for (int r = 1; r <= kRows; ++r) {
        list->SetElem(1, r, QString::number(r));
        list->SetElem(2, r, kWords[r % kWords.size()] + QString::number(r % 977));
        list->SetElem(3, r, QString::number(qint64(r) * 7919 % 100000 * 0.37, 'f', 2));
        list->SetElem(4, r, QStringLiteral("2024-%1-%2").arg(r % 12 + 1).arg(r % 28 + 1));
        list->SetElem(5, r, kWords[(r / 7) % kWords.size()]);
    }
    list->SetSuppressPaint(false);
    return list;
}

TReportListView& List()
{
    static std::unique_ptr<TReportListView> list = MakeList();
    return *list;
}

// A click on the header of the given grid column, which sorts by it.
void BM_HeaderClickSort(benchmark::State& state)
{
    TReportListView& list = List();
    list.FilterAndSort("", {}, true, fmSimple, -1, true);
    const TRect row = list.CellRect(0, list.FixedRows() + 3);
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(row.Left + 20, row.Top + 5));
    const TRect header = list.CellRect(int(state.range(0)), 0);
    for (auto _ : state)
        QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(header.Left + 20, header.Top + 5));
    list.UnSort();
}
BENCHMARK(BM_HeaderClickSort)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FilterAndSort(benchmark::State& state)
{
    TReportListView& list = List();
    const bool grep = state.range(0);
    const QString expression = grep ? QStringLiteral("^ch.*7$") : QStringLiteral("charlie");
    for (auto _ : state)
        list.FilterAndSort(expression, {}, true, grep ? fmGrep : fmSimple, -1, true);
    state.counters["shown"] = list.NrOfShownRows();
    list.FilterAndSort("", {}, true, fmSimple, -1, true);
}
BENCHMARK(BM_FilterAndSort)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RepaintFiltered(benchmark::State& state)
{
    TReportListView& list = List();
    list.FilterAndSort("delta", {}, true, fmSimple, -1, true);
    list.SetTopRow(list.NrOfRows() / 2);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        list.Invalidate();
        list.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    list.FilterAndSort("", {}, true, fmSimple, -1, true);
}
BENCHMARK(BM_RepaintFiltered)->Unit(benchmark::kMillisecond);

void BM_CellWriteWithPaintingOn(benchmark::State& state)
{
    TReportListView& list = List();
    int r = 1;
    for (auto _ : state)
        list.SetElem(2, r++ % 20 + 1, QString::number(r));
}
BENCHMARK(BM_CellWriteWithPaintingOn)->Unit(benchmark::kMicrosecond);

} // namespace
