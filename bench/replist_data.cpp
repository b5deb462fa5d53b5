// Report list data at scale: 1,000,000 rows x 5 columns. Fill, sort by a numeric and by
// a text column (beside QSortFilterProxyModel::sort over a model of the same data),
// unsort, save and load a document, copy to the clipboard; the memory per cell is
// reported as a counter of the fill.
#include <VEK_replist.h>

#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>

#include <memory>
#include <random>

using namespace vek;

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 5;

const QStringList kWords = {"alpha", "Bravo", "charlie", "Delta", "echo", "Foxtrot", "golf",
                            "Hotel", "\u00e9cole", "india", "Juliett", "kilo"};

void Fill(TRLData& data)
{
    std::mt19937 random(42);
    data.SetNrOfColumns(kCols);
    data.SetNrOfRows(kRows);
    for (int r = 1; r <= kRows; ++r) {
        data.SetElem(1, r, QString::number(random() % 1000000));
        data.SetElem(2, r, kWords[int(random() % kWords.size())] + QString::number(random() % 10000));
        data.SetElem(3, r, QString::number(double(random() % 100000) / 7.0, 'f', 3));
        data.SetElem(4, r, QStringLiteral("2024-%1-%2").arg(random() % 12 + 1).arg(random() % 28 + 1));
        data.SetElem(5, r, kWords[int(random() % kWords.size())]);
    }
}

// The filled list shared by the benchmarks after the fill.
TRLData& Shared()
{
    static std::unique_ptr<TRLData> data = [] {
        auto d = std::make_unique<TRLData>();
        Fill(*d);
        return d;
    }();
    return *data;
}

std::size_t TextBytes(const TRLData& data)
{
    std::size_t bytes = 0;
    for (int r = 1; r <= data.NrOfRows(); ++r)
        for (int c = 0; c <= data.NrOfColumns(); ++c)
            bytes += std::size_t(data.Strings->CellView(c, r).size()) * 2;
    return bytes;
}

void BM_Fill(benchmark::State& state)
{
    for (auto _ : state) {
        TRLData data;
        Fill(data);
        state.PauseTiming();
        const double cells = double(kRows) * kCols;
        const std::size_t used = data.Strings->MemoryUsed();
        state.counters["bytes_per_cell"] = double(used) / cells;
        state.counters["overhead_per_cell"] = double(used - TextBytes(data)) / cells;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Fill)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SortNumeric(benchmark::State& state)
{
    TRLData& data = Shared();
    for (auto _ : state)
        data.Sort(1, -1, true);
    data.UnSort();
}
BENCHMARK(BM_SortNumeric)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortText(benchmark::State& state)
{
    TRLData& data = Shared();
    for (auto _ : state)
        data.Sort(2, -1, true);
    data.UnSort();
}
BENCHMARK(BM_SortText)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SortTextWithSecondary(benchmark::State& state)
{
    TRLData& data = Shared();
    for (auto _ : state)
        data.Sort(5, 1, false);
    data.UnSort();
}
BENCHMARK(BM_SortTextWithSecondary)->Unit(benchmark::kMillisecond)->Iterations(3);

// The shared list as a Qt programmer would model it: the numeric column as numbers (so
// that the proxy compares values), the others as the same strings.
class ListDataModel : public QAbstractTableModel {
public:
    explicit ListDataModel(const TRLData& data) : FData(data), FNumbers(std::size_t(data.NrOfRows()))
    {
        for (int r = 1; r <= data.NrOfRows(); ++r)
            FNumbers[std::size_t(r - 1)] = data.Strings->GetAsNumber(1, r);
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : FData.NrOfRows(); }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kCols; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (index.column() == 0)
            return FNumbers[std::size_t(index.row())];
        return FData.Strings->GetString(index.column() + 1, index.row() + 1);
    }

private:
    const TRLData& FData;
    std::vector<double> FNumbers;
};

// QSortFilterProxyModel::sort of column (0-based), locale-aware and case-insensitive
// as our text sort is; one sort per run, from the unsorted order.
void QtProxySort(benchmark::State& state, int column)
{
    TRLData& data = Shared();
    data.UnSort();
    ListDataModel model(data);
    QSortFilterProxyModel proxy;
    proxy.setSortLocaleAware(true);
    proxy.setSortCaseSensitivity(Qt::CaseInsensitive);
    proxy.setSourceModel(&model);
    for (auto _ : state) {
        state.PauseTiming();
        proxy.sort(-1);
        benchmark::DoNotOptimize(proxy.rowCount());
        state.ResumeTiming();
        proxy.sort(column);
    }
}

void BM_QSortFilterProxySortNumeric(benchmark::State& state)
{
    QtProxySort(state, 0);
}
BENCHMARK(BM_QSortFilterProxySortNumeric)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_QSortFilterProxySortText(benchmark::State& state)
{
    QtProxySort(state, 1);
}
BENCHMARK(BM_QSortFilterProxySortText)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_UnSort(benchmark::State& state)
{
    TRLData& data = Shared();
    for (auto _ : state) {
        state.PauseTiming();
        data.Sort(1, -1, true);
        state.ResumeTiming();
        data.UnSort();
    }
}
BENCHMARK(BM_UnSort)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_SaveXml(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("list.xml");
    for (auto _ : state)
        Shared().SaveAsXMLFile(name, "bench");
}
BENCHMARK(BM_SaveXml)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_LoadXml(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("list.xml");
    Shared().SaveAsXMLFile(name, "bench");
    TRLData copy;
    for (auto _ : state)
        if (!copy.LoadFromXMLFile(name, "bench"))
            state.SkipWithError("load failed");
}
BENCHMARK(BM_LoadXml)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CopyToClipboard(benchmark::State& state)
{
    for (auto _ : state)
        Shared().CopyToClipBoard(1, 1, kCols, kRows, true, true);
}
BENCHMARK(BM_CopyToClipboard)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
