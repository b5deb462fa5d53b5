#include "table_p.h"

#include "notify_p.h"

#include <QWidget>

namespace vek {

namespace {

quint64 CellKey(int row, int column)
{
    return (quint64(quint32(row)) << 32) | quint32(column);
}

// One cell of a table, or one of its header cells (row or column -1).
class TAccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TAccessibleCell(TAccessibleTable* table, int row, int column)
        : FTable(table), FRow(row), FColumn(column)
    {
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                    : nullptr;
    }

    // ---- QAccessibleInterface
    bool isValid() const override
    {
        return FTable->isValid() && FRow < FTable->Rows() && FColumn < FTable->Columns();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return FTable->window(); }
    QAccessibleInterface* parent() const override { return FTable; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return {};
        if (FRow < 0)
            return FTable->ColumnHeader(FColumn);
        if (FColumn < 0)
            return FTable->RowHeader(FRow);
        return FTable->CellText(FRow, FColumn);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const QRect local = FTable->CellRect(FRow, FColumn);
        const QWidget* control = Control();
        return local.isValid() ? QRect(control->mapToGlobal(local.topLeft()), local.size()) : QRect();
    }
    QAccessible::Role role() const override
    {
        return FRow < 0 ? QAccessible::ColumnHeader
                        : FColumn < 0 ? QAccessible::RowHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const QRect shown = rect();
        s.invisible = !shown.isValid() ||
                      !QRect(Control()->mapToGlobal(QPoint()), Control()->size()).intersects(shown);
        if (FRow < 0 || FColumn < 0)
            return s;
        s.selectable = true;
        s.selected = isSelected();
        s.focusable = true;
        s.focused = FTable->CurrentCell() == QPoint(FColumn, FRow) && Control()->hasFocus();
        return s;
    }

    // ---- QAccessibleTableCellInterface
    bool isSelected() const override
    {
        return FRow >= 0 && FColumn >= 0 && FTable->CellSelected(FRow, FColumn);
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override
    {
        QAccessibleInterface* header = FRow >= 0 && FColumn >= 0 ? FTable->Cell(-1, FColumn) : nullptr;
        return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override
    {
        QAccessibleInterface* header = FRow >= 0 && FColumn >= 0 ? FTable->Cell(FRow, -1) : nullptr;
        return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
    }
    int columnIndex() const override { return FColumn; }
    int rowIndex() const override { return FRow; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return FTable; }

private:
    const QWidget* Control() const { return static_cast<QWidget*>(FTable->object()); }

    TAccessibleTable* FTable;
    int FRow;
    int FColumn;
};

} // namespace

TAccessibleTable::TAccessibleTable(QWidget* control) : TAccessibleControl(control, QAccessible::Table) {}

TAccessibleTable::~TAccessibleTable() { DropCells(); }

void* TAccessibleTable::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return TAccessibleControl::interface_cast(t);
}

// Children are the data cells row by row; a table too large to number them all in an
// int offers its first INT_MAX cells this way and every cell through cellAt.
int TAccessibleTable::childCount() const
{
    return int(std::min<qint64>(qint64(Rows()) * Columns(), INT_MAX));
}

QAccessibleInterface* TAccessibleTable::child(int index) const
{
    const int columns = Columns();
    if (index < 0 || columns <= 0)
        return nullptr;
    return Cell(index / columns, index % columns);
}

int TAccessibleTable::indexOfChild(const QAccessibleInterface* child) const
{
    const QAccessibleTableCellInterface* cell =
        child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || cell->table() != this || cell->rowIndex() < 0 || cell->columnIndex() < 0)
        return -1;
    const qint64 index = qint64(cell->rowIndex()) * Columns() + cell->columnIndex();
    return index < INT_MAX ? int(index) : -1;
}

QAccessibleInterface* TAccessibleTable::focusChild() const
{
    const QPoint current = CurrentCell();
    return Cell(current.y(), current.x());
}

QAccessibleInterface* TAccessibleTable::childAt(int x, int y) const
{
    const QPoint cell = CellAt(widget()->mapFromGlobal(QPoint(x, y)));
    return Cell(cell.y(), cell.x());
}

QAccessibleInterface* TAccessibleTable::cellAt(int row, int column) const
{
    return row >= 0 && column >= 0 ? Cell(row, column) : nullptr;
}

QList<int> TAccessibleTable::selectedRows() const
{
    QList<int> rows;
    for (int r = 0, n = Rows(); r < n; ++r)
        if (RowSelected(r))
            rows << r;
    return rows;
}

QList<int> TAccessibleTable::selectedColumns() const
{
    QList<int> columns;
    for (int c = 0, n = Columns(); c < n; ++c)
        if (ColumnSelected(c))
            columns << c;
    return columns;
}

int TAccessibleTable::selectedCellCount() const
{
    const qint64 rows = selectedRowCount(), columns = selectedColumnCount();
    const qint64 count = rows * Columns() + columns * Rows() - rows * columns;
    return int(std::min<qint64>(count, INT_MAX));
}

QList<QAccessibleInterface*> TAccessibleTable::selectedCells() const
{
    // Bounded like the cell cache: a reader is told about the first cells of a large
    // selection rather than made to wait for a million interfaces.
    QList<QAccessibleInterface*> cells;
    const QList<int> rows = selectedRows();
    const int columns = Columns();
    for (int r : rows)
        for (int c = 0; c < columns && cells.size() < MaxCachedCells; ++c)
            cells << Cell(r, c);
    for (int c : selectedColumns())
        for (int r = 0, n = Rows(); r < n && cells.size() < MaxCachedCells; ++r)
            if (!RowSelected(r))
                cells << Cell(r, c);
    return cells;
}

void TAccessibleTable::modelChange(QAccessibleTableModelChangeEvent*) { DropCells(); }

bool TAccessibleTable::Contains(int row, int column) const
{
    if (row < -1 || column < -1 || row >= Rows() || column >= Columns())
        return false;
    if (row < 0)
        return column >= 0 && !ColumnHeader(column).isNull();
    return column >= 0 || !RowHeader(row).isNull();
}

QAccessibleInterface* TAccessibleTable::Cell(int row, int column) const
{
    if (!Contains(row, column))
        return nullptr;
    const quint64 key = CellKey(row, column);
    if (const auto found = FCells.constFind(key); found != FCells.constEnd())
        return QAccessible::accessibleInterface(found.value());
    if (int(FCellOrder.size()) >= MaxCachedCells) {
        QAccessible::deleteAccessibleInterface(FCells.take(FCellOrder.front()));
        FCellOrder.pop_front();
    }
    auto* cell = new TAccessibleCell(const_cast<TAccessibleTable*>(this), row, column);
    FCells.insert(key, QAccessible::registerAccessibleInterface(cell));
    FCellOrder.push_back(key);
    return cell;
}

void TAccessibleTable::DropCells()
{
    for (const QAccessible::Id id : std::as_const(FCells))
        QAccessible::deleteAccessibleInterface(id);
    FCells.clear();
    FCellOrder.clear();
}

void NotifyCurrentCellChanged(QWidget* control)
{
    if (!AccessibilityListens(control))
        return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    if (QAccessibleInterface* cell = iface ? iface->focusChild() : nullptr) {
        QAccessibleEvent event(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void NotifyTableReset(QWidget* control)
{
    if (!AccessibilityListens(control))
        return;
    QAccessibleTableModelChangeEvent event(control, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

} // namespace vek
