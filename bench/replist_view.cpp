// Repainting an 800 x 600 report list side by side with a QTableView over a
// QAbstractTableModel that serves the same strings. Both are rendered into an image
// through QWidget::render, with 10 rows, 100 rows (enough to fill the view) and
// 1,000,000 rows of 5 columns, at the top of the list and scrolled to its middle; and
// while scrolling down one row per repaint, so that every repaint meets new texts.
#include <VEK_replist.h>

#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

#include <map>
#include <memory>

using namespace vek;

namespace {

constexpr int kCols = 5;
constexpr int kWidth = 800, kHeight = 600;

const QStringList kWords = {"alpha", "Bravo", "charlie", "Delta", "echo", "Foxtrot"};

// The report list with `rows` rows of demo text, built once per row count.
TReportListView& List(int rows)
{
    static std::map<int, std::unique_ptr<TReportListView>> lists;
    auto& list = lists[rows];
    if (!list) {
        list = std::make_unique<TReportListView>();
        list->resize(kWidth, kHeight);
        list->SetSuppressPaint(true);
        list->SetNrOfColumns(kCols);
        list->SetNrOfRows(rows);
        for (int c = 1; c <= kCols; ++c)
            list->SetHeader(c, QStringLiteral("Column %1").arg(c));
        for (int r = 1; r <= rows; ++r) {
            list->SetElem(1, r, QString::number(r));
            list->SetElem(2, r, kWords[r % kWords.size()] + QString::number(r % 977));
            list->SetElem(3, r, QString::number(r * 0.37, 'f', 2));
            list->SetElem(4, r, QStringLiteral("2024-%1-%2").arg(r % 12 + 1).arg(r % 28 + 1));
            list->SetElem(5, r, kWords[(r / 7) % kWords.size()]);
        }
        list->SetSuppressPaint(false);
    }
    return *list;
}

// Serves the report list's strings to a QTableView.
class ListModel : public QAbstractTableModel {
public:
    explicit ListModel(const TReportListView& list) : FList(list) {}
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : FList.NrOfRows();
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : FList.NrOfColumns();
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return FList.Elem(index.column() + 1, index.row() + 1);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return QAbstractTableModel::headerData(section, orientation, role);
        return FList.Header(section + 1);
    }

private:
    const TReportListView& FList;
};

struct TableView {
    std::unique_ptr<ListModel> model;
    std::unique_ptr<QTableView> view;
};

TableView& Table(int rows)
{
    static std::map<int, TableView> tables;
    TableView& table = tables[rows];
    if (!table.view) {
        table.model = std::make_unique<ListModel>(List(rows));
        table.view = std::make_unique<QTableView>();
        table.view->setModel(table.model.get());
        table.view->verticalHeader()->hide();
        table.view->verticalHeader()->setDefaultSectionSize(List(rows).DefaultRowHeight() + 1);
        table.view->resize(kWidth, kHeight);
    }
    return table;
}

// Arguments: row count, and whether to scroll to the middle of the list first.
void BM_ReportListRepaint(benchmark::State& state)
{
    const int rows = int(state.range(0));
    TReportListView& list = List(rows);
    list.SetTopRow(state.range(1) ? rows / 2 : 1);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        list.Invalidate();
        list.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReportListRepaint)
    ->ArgsProduct({{10, 100, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_QTableViewRepaint(benchmark::State& state)
{
    const int rows = int(state.range(0));
    QTableView& view = *Table(rows).view;
    view.scrollTo(view.model()->index(state.range(1) ? rows / 2 : 0, 0),
                  QAbstractItemView::PositionAtTop);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QTableViewRepaint)
    ->ArgsProduct({{10, 100, 1000000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_ReportListScrollByRow(benchmark::State& state)
{
    TReportListView& list = List(1000000);
    list.SetTopRow(1);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        list.SetTopRow(list.TopRow() + 1);
        list.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReportListScrollByRow)->Unit(benchmark::kMillisecond);

void BM_QTableViewScrollByRow(benchmark::State& state)
{
    QTableView& view = *Table(1000000).view;
    view.scrollToTop();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->value() + 1);
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_QTableViewScrollByRow)->Unit(benchmark::kMillisecond);

// Writing one visible cell through the control, which repaints the list for the change.
void BM_ReportListCellWrite(benchmark::State& state)
{
    TReportListView& list = List(1000000);
    list.SetTopRow(1);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    int i = 0;
    for (auto _ : state) {
        list.SetElem(2, 3, QString::number(i++));
        benchmark::DoNotOptimize(image.constBits());
    }
    list.render(&image);
}
BENCHMARK(BM_ReportListCellWrite)->Unit(benchmark::kMicrosecond);

} // namespace
