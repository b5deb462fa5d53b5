// Tables for screen readers: a grid control's interface with cells made on demand. Qt
// caches an interface per object, but cells are no objects: each cell interface is
// registered under its own id when a reader first asks for it, and the table keeps at
// most MaxCachedCells of them (the oldest go first), so a list of a million rows never
// holds more than a screenful or two of interfaces.
#pragma once

#include "accessible_p.h"

#include <QHash>

#include <deque>

namespace vek {

/// A table of Rows() x Columns() data cells with optional column and row headers, in
/// the control's own terms (0-based rows and columns of what it shows).
class TAccessibleTable : public TAccessibleControl, public QAccessibleTableInterface {
public:
    static constexpr int MaxCachedCells = 512;

    explicit TAccessibleTable(QWidget* control);
    ~TAccessibleTable() override;

    void* interface_cast(QAccessible::InterfaceType t) override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override { return ColumnHeader(column); }
    QString rowDescription(int row) const override { return RowHeader(row); }
    int selectedColumnCount() const override { return int(selectedColumns().size()); }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    int columnCount() const override { return Columns(); }
    int rowCount() const override { return Rows(); }
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override { return ColumnSelected(column); }
    bool isRowSelected(int row) const override { return RowSelected(row); }
    // Selecting is the user's business in these controls: a reader only reads it.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    /// The interface of a data cell, or of a header cell: row -1 is the column header
    /// of column, column -1 the row header of row. Nullptr outside the table.
    QAccessibleInterface* Cell(int row, int column) const;

    // What the control shows; the cell interfaces read through these.
    virtual int Rows() const = 0;
    virtual int Columns() const = 0;
    virtual QString CellText(int row, int column) const = 0;
    /// A null string for tables without column (row) headers, the row headers' default.
    virtual QString ColumnHeader(int column) const = 0;
    virtual QString RowHeader(int) const { return {}; }
    /// The current cell as (column, row); negative coordinates for none.
    virtual QPoint CurrentCell() const = 0;
    /// The rectangle of a cell (header cells included) in the control's coordinates.
    virtual QRect CellRect(int row, int column) const = 0;
    /// The cell at a point of the control as (column, row); negative for none.
    virtual QPoint CellAt(QPoint point) const = 0;
    virtual bool RowSelected(int) const { return false; }
    virtual bool ColumnSelected(int) const { return false; }
    /// A cell is selected with its row or column unless the table selects single cells.
    virtual bool CellSelected(int row, int column) const
    {
        return RowSelected(row) || ColumnSelected(column);
    }

private:
    bool Contains(int row, int column) const;
    void DropCells();

    mutable QHash<quint64, QAccessible::Id> FCells; // CellKey(row, column) -> cell
    mutable std::deque<quint64> FCellOrder;         // oldest first
};

/// The current cell of control moved: a focus event for its cell, made only when a
/// reader listens.
void NotifyCurrentCellChanged(QWidget* control);
/// The rows or columns of control changed: the cells a reader holds are dropped.
void NotifyTableReset(QWidget* control);

} // namespace vek
