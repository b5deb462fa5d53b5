// TNTabEd: sorting the columns and rows of a block by their values, attributes or names,
// and finding columns and rows by name. The table sorts; the editor keeps the
// precisions with their columns (the table's exchange hook, TNTabEd.cpp) and reports
// what moved.
#include "ntabed_p.h"

namespace vek {

// The table's own reports would call every sort a change of data and setup; the editor
// names what moved instead.
void TNTabEd::Private::RunSort(const std::function<bool()>& sort, bool headers, bool columns)
{
    q->HideEditor(); // the cell being edited may move away
    bool sorted = false;
    {
        const Suppression quiet(this);
        const MutedTable muted(this);
        sorted = sort();
    }
    if (!sorted)
        return;
    q->ChangedData();
    q->ChangedCellStates();
    if (!headers)
        return;
    q->ChangedHeading();
    q->ChangedAttrib();
    if (columns)
        q->ChangedLayout();
}

void TNTabEd::SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol,
                       int HighRow, bool IncludeHeaders)
{
    d->RunSort(
        [&] {
            return d->table->SortCols(SortRowIx, Ascending, LowCol, LowRow, HighCol, HighRow,
                                      IncludeHeaders);
        },
        IncludeHeaders, true);
}

void TNTabEd::SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol,
                       int HighRow, bool IncludeHeaders)
{
    d->RunSort(
        [&] {
            return d->table->SortRows(SortColIx, Ascending, LowCol, LowRow, HighCol, HighRow,
                                      IncludeHeaders);
        },
        IncludeHeaders, false);
}

void TNTabEd::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow)
{
    d->RunSort(
        [&] { return d->table->SortColAttributes(Ascending, LowCol, LowRow, HighCol, HighRow); },
        true, true);
}

void TNTabEd::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow)
{
    d->RunSort(
        [&] { return d->table->SortRowAttributes(Ascending, LowCol, LowRow, HighCol, HighRow); },
        true, false);
}

void TNTabEd::SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow)
{
    d->RunSort(
        [&] {
            return d->table->SortColNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
        },
        true, true);
}

void TNTabEd::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol,
                           int HighRow)
{
    d->RunSort(
        [&] {
            return d->table->SortRowNames(Ascending, IgnoreCase, LowCol, LowRow, HighCol,
                                          HighRow);
        },
        true, false);
}

int TNTabEd::FindColIndex(const TDTNameStr& ColID) const { return d->table->FindColIndex(ColID); }
int TNTabEd::FindRowIndex(const TDTNameStr& RowID) const { return d->table->FindRowIndex(RowID); }

} // namespace vek
