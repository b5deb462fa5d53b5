// A table over one of the frame's grids: data cells are the grid's cells after its fixed
// rows and columns, the column headers sit in the last fixed row, the row headers in the
// last fixed column.
#pragma once

#include "table_p.h"

#include <frame/grid/grid.h>

namespace vek {

class TAccessibleGridTable : public TAccessibleTable {
public:
    explicit TAccessibleGridTable(TCustomGrid* grid) : TAccessibleTable(grid) {}

    QPoint CurrentCell() const override;
    QRect CellRect(int row, int column) const override;
    QPoint CellAt(QPoint point) const override;

protected:
    TCustomGrid* Grid() const { return static_cast<TCustomGrid*>(widget()); }
    /// The grid column of data column 0: the first column after the fixed ones unless
    /// the fixed ones hold data too.
    virtual int FirstDataColumn() const { return Grid()->FixedCols(); }
    int FirstDataRow() const { return Grid()->FixedRows(); }
};

/// Sends the events of a grid's changes for a reader: the current cell moving, the
/// selection changing (also selectionChanged of the grid itself).
void AnnounceGridChanges(TCustomGrid* grid);

} // namespace vek
