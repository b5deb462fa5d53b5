// TReportListView: the row and column flags kept in the data's attribute bytes (selected,
// disabled), their bulk operations and counts, and the row selection mode.
#include "replist_p.h"

namespace vek {

// The attribute byte with bit set or cleared.
static quint8 WithBit(quint8 attr, quint8 bit, bool set)
{
    return set ? attr | bit : attr & ~bit;
}

bool TReportListView::RowSelected(int r) const
{
    return ContainsRow(r) && (d->data->Strings->GetRowAttrib(r) & SelectedBit);
}

bool TReportListView::RowEnabled(int r) const
{
    return ContainsRow(r) && !(d->data->Strings->GetRowAttrib(r) & DisabledBit);
}

bool TReportListView::ColumnSelected(int c) const
{
    return ContainsColumn(c) && (d->data->Strings->GetColAttrib(c) & SelectedBit);
}

void TReportListView::SetRowFlag(int r, quint8 bit, bool value)
{
    if (!ContainsRow(r))
        return;
    TStringArray* cells = d->data->Strings;
    cells->SetRowAttrib(r, WithBit(cells->GetRowAttrib(r), bit, value));
    Invalidate();
}

void TReportListView::SetRowSelected(int r, bool value)
{
    if (!ContainsRow(r))
        return;
    SetRowFlag(r, SelectedBit, value);
    ChangedSelection();
}

void TReportListView::SetRowEnabled(int r, bool value)
{
    if (!ContainsRow(r))
        return;
    SetRowFlag(r, DisabledBit, !value);
    ChangedSelection();
}

void TReportListView::SetColumnSelected(int c, bool value)
{
    if (!ContainsColumn(c))
        return;
    TStringArray* cells = d->data->Strings;
    cells->SetColAttrib(c, WithBit(cells->GetColAttrib(c), SelectedBit, value));
    Invalidate();
    ChangedSelection();
}

// ---- in bulk

// Writes the attribute bytes directly and marks the view once: at a million rows one
// invalidation per row would cost more than the writes.
void TReportListView::SetAllRowFlags(quint8 bit, bool value)
{
    TStringArray* cells = d->data->Strings;
    for (int r = 1; r <= NrOfRows(); ++r)
        cells->SetRowAttrib(r, WithBit(cells->GetRowAttrib(r), bit, value));
    Invalidate();
}

void TReportListView::SetAllColumnFlags(quint8 bit, bool value)
{
    TStringArray* cells = d->data->Strings;
    for (int c = 1; c <= NrOfColumns(); ++c)
        cells->SetColAttrib(c, WithBit(cells->GetColAttrib(c), bit, value));
    Invalidate();
}

void TReportListView::SelectAllRows()
{
    SetAllRowFlags(SelectedBit, true);
    ChangedSelection();
}

void TReportListView::DeselectAllRows()
{
    SetAllRowFlags(SelectedBit, false);
    ChangedSelection();
}

void TReportListView::EnableAllRows()
{
    SetAllRowFlags(DisabledBit, false);
    ChangedSelection();
}

void TReportListView::DisableAllRows()
{
    SetAllRowFlags(DisabledBit, true);
    ChangedSelection();
}

void TReportListView::SelectAllColumns()
{
    SetAllColumnFlags(SelectedBit, true);
    ChangedSelection();
}

void TReportListView::DeselectAllColumns()
{
    SetAllColumnFlags(SelectedBit, false);
    ChangedSelection();
}

// ---- counts

int TReportListView::FirstSelectedRow() const
{
    for (int r = 1; r <= NrOfRows(); ++r)
        if (RowSelected(r))
            return RowEnabled(r) ? r : 0;
    return 0;
}

int TReportListView::FirstSelectedColumn() const
{
    for (int c = 1; c <= NrOfColumns(); ++c)
        if (ColumnSelected(c))
            return c;
    return 0;
}

int TReportListView::NumSelectedRows() const
{
    int count = 0;
    for (int r = 1; r <= NrOfRows(); ++r)
        count += RowSelected(r) ? 1 : 0;
    return count;
}

int TReportListView::NumEnabledRows() const
{
    int count = 0;
    for (int r = 1; r <= NrOfRows(); ++r)
        count += RowEnabled(r) ? 1 : 0;
    return count;
}

int TReportListView::NumSelectedColumns() const
{
    int count = 0;
    for (int c = 1; c <= NrOfColumns(); ++c)
        count += ColumnSelected(c) ? 1 : 0;
    return count;
}

// ---- selection mode

void TReportListView::SetRowSelectMode(int v)
{
    d->rowSelectMode = v;
    if (v != 2)
        SetAllRowFlags(SelectedBit, false);
    ChangedSelection();
}

} // namespace vek
