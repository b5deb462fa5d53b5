// TThumbnails for screen readers: a table of the slides in the grid's rows ("Slide 7"),
// the slide under the outline the focused cell, the selected slides selected cells, and
// the grid's value naming them ("4, 7-9"). Cells are made on demand, so a grid of a
// million slides costs what a small one does.
#include "thumbnails_p.h"

#include <frame/accessibility/factory_p.h>
#include <frame/accessibility/notify_p.h>
#include <frame/accessibility/table_p.h>
#include <frame/baselib/mathlib.h>

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace vek {

namespace {

// A reader needs the first few runs, not a scan of a million slides: the summary stops
// after this many runs or this many slides looked at and ends in "...".
constexpr int MaxRunsRead = 10;
constexpr int MaxSlidesScanned = 10000;

QString RunText(qint64 first, qint64 last)
{
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

class ThumbnailsAccessible : public TAccessibleTable {
public:
    explicit ThumbnailsAccessible(TThumbnails* grid) : TAccessibleTable(grid) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = TAccessibleTable::state();
        s.multiSelectable = Grid()->SlideSelectMode() == TThumbnails::ssmMultiple;
        return s;
    }

    int Rows() const override
    {
        return int(std::min<qint64>(FloorDiv(Grid()->Max() - FirstInTable(), PerRow()) + 1, INT_MAX));
    }
    int Columns() const override { return PerRow(); }
    QString CellText(int row, int column) const override
    {
        const qint64 n = SlideAt(row, column);
        return IsSlide(n) ? QCoreApplication::translate("vek::TThumbnails", "Slide %1").arg(n)
                          : QString();
    }
    QString ColumnHeader(int) const override { return {}; }
    QPoint CurrentCell() const override { return CellOf(Grid()->FocusedSlide()); }
    QRect CellRect(int row, int column) const override
    {
        const qint64 n = SlideAt(row, column);
        if (!IsSlide(n))
            return {};
        int x = 0, y = 0;
        Grid()->CalcSlidePos(int(n), x, y);
        const int box = Grid()->SlideSize() + 2 * Grid()->SlideMargin();
        return QRect(x, y, box, box);
    }
    QPoint CellAt(QPoint point) const override
    {
        return CellOf(Grid()->CalcSlideIndex(point.x(), point.y()));
    }
    bool CellSelected(int row, int column) const override
    {
        const qint64 n = SlideAt(row, column);
        return IsSlide(n) && Grid()->SlideSelected(int(n));
    }
    int selectedCellCount() const override { return Grid()->NumSlidesSelected(); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QList<QAccessibleInterface*> cells;
        const qint64 first = Grid()->FirstSelectedSlide();
        const qint64 end = std::min<qint64>(Grid()->Max(), first + MaxSlidesScanned);
        for (qint64 n = first; n <= end && cells.size() < MaxCachedCells; ++n)
            if (Grid()->SlideSelected(int(n))) {
                const QPoint cell = CellOf(int(n));
                cells << Cell(cell.y(), cell.x());
            }
        return cells;
    }

protected:
    QString ValueText() const override
    {
        const TThumbnails* grid = Grid();
        int remaining = grid->NumSlidesSelected();
        QStringList runs;
        qint64 n = grid->FirstSelectedSlide();
        const qint64 scanEnd = std::min<qint64>(grid->Max(), n + MaxSlidesScanned);
        while (remaining > 0 && runs.size() < MaxRunsRead && n <= scanEnd) {
            const qint64 first = n;
            while (n <= scanEnd && grid->SlideSelected(int(n)))
                ++n;
            runs << RunText(first, n - 1);
            remaining -= int(n - first);
            while (n <= scanEnd && !grid->SlideSelected(int(n)))
                ++n;
        }
        if (remaining > 0)
            runs << QStringLiteral("...");
        return runs.join(QStringLiteral(", "));
    }

private:
    TThumbnails* Grid() const { return static_cast<TThumbnails*>(widget()); }
    int PerRow() const { return std::max(1, Grid()->NumSlidesHoriz()); }
    bool IsSlide(qint64 n) const { return n >= Grid()->Min() && n <= Grid()->Max(); }
    // The grid's rows start at slide 1 + k * PerRow: the table's first row is the one
    // that holds Min, its leading cells before Min stay empty.
    qint64 FirstInTable() const
    {
        return 1 + FloorDiv(qint64(Grid()->Min()) - 1, PerRow()) * PerRow();
    }
    qint64 SlideAt(int row, int column) const
    {
        return FirstInTable() + qint64(row) * PerRow() + column;
    }
    QPoint CellOf(int slide) const
    {
        if (slide == 0 || !IsSlide(slide))
            return {-1, -1};
        const qint64 index = slide - FirstInTable();
        return {int(index % PerRow()), int(index / PerRow())};
    }
};

[[maybe_unused]] const bool registered = RegisterAccessible<TThumbnails, ThumbnailsAccessible>();

// The outline is the keyboard's cursor while the grid has the focus; without it, it only
// follows the mouse, which a reader need not hear about.
void NotifyFocusedSlide(QWidget* grid)
{
    if (grid->hasFocus())
        NotifyCurrentCellChanged(grid);
}

} // namespace

void thumbnails::AnnounceChanges(TThumbnails* grid)
{
    AnnounceOn(grid, &TThumbnails::selectionChanged, NotifySelectedEntryChanged);
    AnnounceOn(grid, &TThumbnails::focusedSlideChanged, NotifyFocusedSlide);
}

} // namespace vek
