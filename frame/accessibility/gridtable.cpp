#include "gridtable_p.h"

#include "notify_p.h"

namespace vek {

QPoint TAccessibleGridTable::CurrentCell() const
{
    const QPoint cell(Grid()->Col() - FirstDataColumn(), Grid()->Row() - FirstDataRow());
    return cell.x() < Columns() && cell.y() < Rows() ? cell : QPoint(-1, -1);
}

QRect TAccessibleGridTable::CellRect(int row, int column) const
{
    // Header cells are -1 in the table's terms: the last fixed row or column.
    return Grid()->CellRect(column + FirstDataColumn(), row + FirstDataRow()).ToQRect();
}

QPoint TAccessibleGridTable::CellAt(QPoint point) const
{
    const TGridCoord cell = Grid()->MouseCoord(point.x(), point.y());
    if (cell.X < 0 || cell.Y < 0)
        return {-1, -1};
    return {cell.X - FirstDataColumn(), cell.Y - FirstDataRow()};
}

void AnnounceGridChanges(TCustomGrid* grid)
{
    AnnounceOn(grid, &TCustomGrid::currentCellChanged, NotifyCurrentCellChanged);
    AnnounceOn(grid, &TCustomGrid::selectionChanged, NotifySelectionChanged);
}

} // namespace vek
