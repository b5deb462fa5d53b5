// Expanding a folder of the folder tree: reading a folder of N subfolders (each with one
// subfolder of its own, so that every one is probed and gets an expand button), sorting
// them and showing them, from the click to the painted rows. N is the argument; the time
// should grow as N log N at most. Beside it, a QTreeView on a QFileSystemModel shows the
// same folder: from the expansion to the painted rows, its loader thread included.
#include <VEK_FolderTree.h>

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileSystemModel>
#include <QTest>
#include <QTreeView>
#include <QTemporaryDir>

#include <map>
#include <memory>

using namespace vek;

namespace {

// One temporary folder per size, made once: "big" holds the N subfolders, named in an
// order that the tree has to sort (the file system lists them in an order of its own).
const QTemporaryDir& FolderOf(int count)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto& folder = folders[count];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        QDir big(folder->filePath("big"));
        for (int i = 0; i < count; ++i)
            big.mkpath(QString("%1 Folder/sub").arg((i * 7919) % count, 6, 10, QChar('0')));
    }
    return *folder;
}

void BM_FolderTreeExpand(benchmark::State& state)
{
    const QTemporaryDir& folder = FolderOf(int(state.range(0)));
    TFolderTree tree;
    tree.setAttribute(Qt::WA_DontShowOnScreen);
    tree.resize(300, 600);
    tree.show();
    for (auto _ : state) {
        state.PauseTiming();
        tree.SelectPath(folder.path()); // "big" not read yet
        TTreeNode* big = tree.Selected()->GetFirstChild();
        tree.viewport()->repaint();
        state.ResumeTiming();
        big->Expand(false);
        tree.viewport()->repaint();
        benchmark::DoNotOptimize(big->Count());
    }
    state.counters["folders"] = double(state.range(0));
}
BENCHMARK(BM_FolderTreeExpand)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

// A fresh model each time: QFileSystemModel keeps what it read and watches it.
void BM_QTreeViewFileSystemExpand(benchmark::State& state)
{
    const int count = int(state.range(0));
    const QString big = FolderOf(count).filePath("big");
    for (auto _ : state) {
        state.PauseTiming();
        QFileSystemModel model;
        model.setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
        QTreeView view;
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(300, 600);
        view.setModel(&model);
        const QModelIndex root = model.setRootPath(FolderOf(count).path());
        view.setRootIndex(root);
        view.show();
        if (!QTest::qWaitFor([&] { return model.rowCount(root) == 1; }, 10000))
            state.SkipWithError("the parent folder did not load");
        view.viewport()->repaint();
        state.ResumeTiming();
        const QModelIndex folder = model.index(big);
        view.expand(folder);
        const bool loaded = QTest::qWaitFor([&] { return model.rowCount(folder) == count; }, 60000);
        view.viewport()->repaint();
        if (!loaded)
            state.SkipWithError("the folder did not load");
    }
    state.counters["folders"] = double(count);
}
BENCHMARK(BM_QTreeViewFileSystemExpand)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace
