// The report list's row filter over 1,000,000 rows x 5 columns of short texts (about ten
// characters a cell, a few with accented letters): one full pass per iteration with a
// simple word filter, a boolean expression and regular expressions, with and without
// case; and the word filter of a QSortFilterProxyModel over a model of the same texts.
// The counter "rows" is the number of rows that match.
#include <rowfilter_p.h>

#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStringList>

#include <array>
#include <random>
#include <vector>

using namespace vek;

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 5;

// All cell texts in one buffer; a row's cells are views into it.
class Table {
public:
    Table()
    {
        const QStringList names = {"Miller", "Smith", "Jones", "Brown", "Garcia", "Wilson",
                                   "Taylor", "M\u00fcller", "Lef\u00e8vre", "Nakamura", "Olsen",
                                   "Kowalski"};
        const QStringList cities = {"Hamburg", "Lyon", "Boston", "Oslo", "Porto", "Graz",
                                    "Osaka", "Z\u00fcrich", "Krak\u00f3w", "Denver", "Leeds",
                                    "Turin"};
        const QStringList states = {"open", "closed", "pending", "on hold", "Done", "\u00c4rger"};
        std::mt19937 random(7);
        const auto pick = [&](const QStringList& words) { return words[int(random() % words.size())]; };
        for (int r = 0; r < kRows; ++r) {
            Add(pick(names) + QString::number(random() % 100));
            Add(pick(cities));
            Add(QStringLiteral("2024-%1-%2").arg(random() % 12 + 1, 2, 10, QChar(u'0'))
                    .arg(random() % 28 + 1, 2, 10, QChar(u'0')));
            Add(QString::number(double(random() % 1000000) / 100.0, 'f', 2));
            Add(pick(states));
        }
    }

    std::array<QStringView, kCols> Row(int r) const
    {
        std::array<QStringView, kCols> cells;
        for (int c = 0; c < kCols; ++c)
            cells[std::size_t(c)] = Cell(r, c);
        return cells;
    }
    QStringView Cell(int r, int c) const
    {
        const std::size_t i = std::size_t(r) * kCols + std::size_t(c);
        return QStringView(text).mid(starts[i], starts[i + 1] - starts[i]);
    }

private:
    void Add(const QString& cell)
    {
        text += cell;
        starts.push_back(text.size());
    }

    QString text;
    std::vector<qsizetype> starts{0};
};

const Table& SharedTable()
{
    static const Table table;
    return table;
}

// One full pass over the table per iteration; the argument says whether case is ignored.
void BM_Filter(benchmark::State& state, const QString& expression, TFilterMode mode)
{
    const Table& table = SharedTable();
    const RowFilter filter(expression, mode, state.range(0) != 0);
    int matching = 0;
    for (auto _ : state) {
        matching = 0;
        for (int r = 0; r < kRows; ++r) {
            const auto cells = table.Row(r);
            matching += filter.Matches(cells.data(), kCols);
        }
    }
    state.counters["rows"] = matching;
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}

// The table's texts, as a model serves them to a QSortFilterProxyModel.
class TableModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kRows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kCols; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return SharedTable().Cell(index.row(), index.column()).toString();
    }
};

// A fixed word in any column, case ignored, as the simple filter with ignoreCase:1.
void BM_QSortFilterProxyFilterWord(benchmark::State& state)
{
    TableModel model;
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setFilterKeyColumn(-1);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.setFilterFixedString(QStringLiteral("ller"));
    int matching = 0;
    for (auto _ : state) {
        proxy.invalidate();
        matching = proxy.rowCount();
    }
    state.counters["rows"] = matching;
    state.SetItemsProcessed(state.iterations() * kRows * kCols);
}
BENCHMARK(BM_QSortFilterProxyFilterWord)->Unit(benchmark::kMillisecond);

void WithAndWithoutCase(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("ignoreCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
}

BENCHMARK_CAPTURE(BM_Filter, SimpleWord, QStringLiteral("ller"), fmSimple)
    ->Apply(WithAndWithoutCase);
BENCHMARK_CAPTURE(BM_Filter, SimpleTwoWords, QStringLiteral("os 2024-0"), fmSimple)
    ->Apply(WithAndWithoutCase);
BENCHMARK_CAPTURE(BM_Filter, Boolean,
                  QStringLiteral("(miller OR \"on hold\") AND NOT 2024-12 OR z\u00fcrich"), fmBoolean)
    ->Apply(WithAndWithoutCase);
BENCHMARK_CAPTURE(BM_Filter, RegexLiteral, QStringLiteral("ller"), fmGrep)
    ->Apply(WithAndWithoutCase);
BENCHMARK_CAPTURE(BM_Filter, RegexPattern, QStringLiteral("^(mi|sm)\\w+\\d$|\\.5\\d$"), fmGrep)
    ->Apply(WithAndWithoutCase);

} // namespace
