// TNTabEd: the grid in data terms. The header lines decide two offsets (ColOffset is 1
// while the attribute column is shown, RowOffset 1 while the attribute row is), so data
// column C is grid column C + ColOffset and data row R grid row R + RowOffset. Here: the
// counts following the table, the header lines coming and going, the view position and
// the sizes by header index.
#include "ntabed_p.h"

#include <frame/core/change.h>

#include <algorithm>
#include <new>

namespace vek {

// ---- header indices

int TNTabEd::Private::GridCol(int Index) const
{
    if (Index == -1)
        return colOffset == 1 ? 1 : -1;
    return Index >= 0 && Index <= table->NrOfColumns() ? Index + (Index > 0 ? colOffset : 0) : -1;
}

int TNTabEd::Private::GridRow(int Index) const
{
    if (Index == -1)
        return rowOffset == 1 ? 1 : -1;
    return Index >= 0 && Index <= table->NrOfRows() ? Index + (Index > 0 ? rowOffset : 0) : -1;
}

// ---- counts

int TNTabEd::NrOfColumns() const { return d->table->NrOfColumns(); }
int TNTabEd::NrOfRows() const { return d->table->NrOfRows(); }

void TNTabEd::Private::ReservePrecisions(int count)
{
    try {
        precisions.reserve(std::size_t(count));
    } catch (const std::bad_alloc&) {
        throw EVEKNTabedError(ComponentErrorText(q->Name(), "not enough memory on heap"));
    }
}

void TNTabEd::Private::ApplyFixedLines()
{
    if (q->FixedCols() != 1 + colOffset && q->ColCount() > 1 + colOffset)
        q->SetFixedCols(1 + colOffset);
    if (q->FixedRows() != 1 + rowOffset && q->RowCount() > 1 + rowOffset)
        q->SetFixedRows(1 + rowOffset);
}

// New columns take the width of the grid's former last column and the precision of the
// former last data column.
void TNTabEd::Private::FollowTableSize(int oldCols, int newCols, int newRows)
{
    const Suppression quiet(this);
    const int lastWidth = q->TCustomGrid::ColWidths(q->ColCount() - 1);
    q->SetColCount(newCols + colOffset + 1);
    for (int c = std::max(oldCols, 1); c <= newCols; ++c)
        q->TCustomGrid::SetColWidths(c + colOffset, lastWidth);
    q->SetRowCount(newRows + rowOffset + 1);
    ApplyFixedLines();
    const qint8 last = precisions.empty() ? qint8(DefaultPrecision) : precisions.back();
    ReservePrecisions(newCols);
    precisions.resize(std::size_t(newCols), last);
}

void TNTabEd::SetNrOfColumns(int value) { Redimension(value, NrOfRows()); }
void TNTabEd::SetNrOfRows(int value) { Redimension(NrOfColumns(), value); }

// ---- header lines

void TNTabEd::Private::ShiftColWidths(int first, int last, int step)
{
    for (int k = 0; k <= last - first; ++k) {
        const int i = step > 0 ? last - k : first + k;
        const int width = q->TCustomGrid::ColWidths(i - step);
        if (width != q->TCustomGrid::ColWidths(i))
            q->TCustomGrid::SetColWidths(i, width);
    }
}

// Only heights that differ are written: a million rows of the default height cost one
// comparison each.
void TNTabEd::Private::ShiftRowHeights(int first, int last, int step)
{
    for (int k = 0; k <= last - first; ++k) {
        const int i = step > 0 ? last - k : first + k;
        const int height = q->TCustomGrid::RowHeights(i - step);
        if (height != q->TCustomGrid::RowHeights(i))
            q->TCustomGrid::SetRowHeights(i, height);
    }
}

void TNTabEd::Private::MoveSelection(int dCol, int dRow)
{
    const TGridRect s = q->Selection();
    const int col = q->Col(), row = q->Row();
    const int anchorCol = col == s.Left ? s.Right : s.Left;
    const int anchorRow = row == s.Top ? s.Bottom : s.Top;
    q->SetSelection({anchorCol + dCol, anchorRow + dRow, col + dCol, row + dRow});
}

bool TNTabEd::AttribRowVisible() const { return d->colOffset >= 1; }

void TNTabEd::SetAttribRowVisible(bool value)
{
    if (value == AttribRowVisible())
        return;
    {
        const Suppression quiet(d.get());
        // The fixed columns change where the selection cannot be clamped onto them.
        if (value) {
            SetColCount(NrOfColumns() + 2);
            d->ShiftColWidths(2, ColCount() - 1, 1);
            TCustomGrid::SetColWidths(1, d->attribColWidth);
            d->colOffset = 1;
            d->MoveSelection(1, 0);
            SetFixedCols(2);
        } else {
            d->ShiftColWidths(1, ColCount() - 2, -1);
            d->colOffset = 0;
            SetFixedCols(1);
            d->MoveSelection(-1, 0);
            SetColCount(NrOfColumns() + 1);
        }
    }
    ChangedLayout();
}

bool TNTabEd::AttribColVisible() const { return d->rowOffset >= 1; }

void TNTabEd::SetAttribColVisible(bool value)
{
    if (value == AttribColVisible())
        return;
    {
        const Suppression quiet(d.get());
        if (value) {
            SetRowCount(NrOfRows() + 2);
            d->ShiftRowHeights(2, RowCount() - 1, 1);
            TCustomGrid::SetRowHeights(1, TCustomGrid::RowHeights(0));
            d->rowOffset = 1;
            d->MoveSelection(0, 1);
            SetFixedRows(2);
        } else {
            d->ShiftRowHeights(1, RowCount() - 2, -1);
            d->rowOffset = 0;
            SetFixedRows(1);
            d->MoveSelection(0, -1);
            SetRowCount(NrOfRows() + 1);
        }
    }
    ChangedLayout();
}

// ---- view position

int TNTabEd::LeftCol() const { return TCustomGrid::LeftCol() - d->colOffset; }

void TNTabEd::SetLeftCol(int value)
{
    TCustomGrid::SetLeftCol(std::clamp(value, 1, NrOfColumns()) + d->colOffset);
}

int TNTabEd::TopRow() const { return TCustomGrid::TopRow() - d->rowOffset; }

void TNTabEd::SetTopRow(int value)
{
    TCustomGrid::SetTopRow(std::clamp(value, 1, NrOfRows()) + d->rowOffset);
    Invalidate();
}

// ---- sizes by header index

int TNTabEd::ColWidths(int Index) const
{
    const int col = d->GridCol(Index);
    return col < 0 ? 0 : TCustomGrid::ColWidths(col);
}

void TNTabEd::SetColWidths(int Index, int value)
{
    const int col = d->GridCol(Index);
    if (col >= 0)
        TCustomGrid::SetColWidths(col, value); // ColWidthsChanged reports it
}

int TNTabEd::RowHeights(int Index) const
{
    const int row = d->GridRow(Index);
    return row < 0 ? 0 : TCustomGrid::RowHeights(row);
}

void TNTabEd::SetRowHeights(int Index, int value)
{
    const int row = d->GridRow(Index);
    if (row >= 0)
        TCustomGrid::SetRowHeights(row, value);
}

void TNTabEd::SetDefaultColWidth(int value)
{
    {
        const Suppression quiet(d.get());
        TCustomGrid::SetDefaultColWidth(value);
        TCustomGrid::SetColWidths(0, NameColWidth);
        if (d->colOffset == 1)
            TCustomGrid::SetColWidths(1, d->attribColWidth);
    }
    ChangedLayout();
}

// Widths set by code or dragged with the mouse: a shown attribute column remembers its
// width for the next time it is shown. The editor's own moves of widths do not count.
void TNTabEd::ColWidthsChanged()
{
    if (d->internalSuppression == 0 && d->colOffset == 1)
        d->attribColWidth = TCustomGrid::ColWidths(1);
    ChangedLayout();
}

} // namespace vek
