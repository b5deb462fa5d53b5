// TReportListView: the rows the view shows. The view follows its data whatever changed it
// (the control, RLData(), a load): the column arrays and count, and the map from grid
// rows to data rows, which is the identity unless a filter hides rows. Sorting by a
// header click and FilterAndSort live here too.
#include "replist_p.h"
#include "rowfilter_p.h"

#include <frame/core/application.h>

#include <algorithm>

namespace vek {

void TReportListView::FollowData()
{
    if (std::size_t(NrOfColumns()) != d->colOrder.size()) {
        ResizeColumnArrays(NrOfColumns());
        SetColCount(NrOfColumns());
    }
    // The data may change its row count after the string array notified.
    if (d->data->Strings->LayoutStamp() != d->shownStamp || NrOfRows() != d->shownOfRows)
        RebuildShownRows();
    const int h = CountHeadRows();
    if (TCustomGrid::RowCount() != std::max(h + NrOfShownRows(), h + 1))
        ApplyGeometry();
}

void TReportListView::RebuildShownRows()
{
    const TStringArray* cells = d->data->Strings;
    const int rows = NrOfRows();
    d->shownStamp = cells->LayoutStamp();
    d->shownOfRows = rows;
    d->shownRows.clear();
    int r = 1;
    while (r <= rows && !cells->RowHidden(r))
        ++r;
    d->filtered = r <= rows;
    if (!d->filtered) {
        d->shownRows.shrink_to_fit();
        return;
    }
    d->shownRows.reserve(std::size_t(rows));
    for (r = 1; r <= rows; ++r)
        if (!cells->RowHidden(r))
            d->shownRows.push_back(r);
}

int TReportListView::NrOfShownRows() const
{
    return d->filtered ? int(d->shownRows.size()) : NrOfRows();
}

bool TReportListView::RowShown(int r) const
{
    return ContainsRow(r) && !d->data->Strings->RowHidden(r);
}

int TReportListView::DataRowAt(int GridRow) const
{
    const int index = GridRow - FixedRows();
    if (index < 0 || index >= NrOfShownRows())
        return 0;
    return d->filtered ? d->shownRows[std::size_t(index)] : index + 1;
}

int TReportListView::GridRowOf(int DataRow) const
{
    if (!d->filtered)
        return ContainsRow(DataRow) ? FixedRows() + DataRow - 1 : -1;
    const auto it = std::lower_bound(d->shownRows.begin(), d->shownRows.end(), DataRow);
    if (it == d->shownRows.end() || *it != DataRow)
        return -1;
    return FixedRows() + int(it - d->shownRows.begin());
}

int TReportListView::DataColumnAt(int GridCol) const
{
    if (GridCol < 0 || GridCol >= int(d->colOrder.size()))
        return 0;
    return d->colOrder[std::size_t(GridCol)] + 1;
}

int TReportListView::SelectedDataRow() const { return DataRowAt(Selection().Top); }
int TReportListView::CurrentRow() const { return DataRowAt(Row()); }

void TReportListView::SelectGridRow(int GridRow)
{
    const TGridRect s = Selection();
    SetSelection({s.Left, GridRow, s.Right, GridRow});
}

// The data row that shows stored row `stored` after the order changed, or 0.
static int PresentedRowOf(const TStringArray& cells, int stored, int rows)
{
    if (stored <= 0)
        return 0;
    for (int r = 1; r <= rows; ++r)
        if (cells.GetSortOrder(r) == stored)
            return r;
    return 0;
}

// ---- sorting

int TReportListView::SecondarySortColumn() const { return d->data->SecondarySortColumn(); }

void TReportListView::SetSecondarySortColumn(int value)
{
    if (value < -1 || value > NrOfColumns())
        return;
    d->data->SetSecondarySortColumn(value);
    ChangedSetup();
}

void TReportListView::SortByHeaderClick(int GridCol)
{
    // The wait cursor goes away however the sort ends (a handler may throw).
    struct CursorGuard {
        TCursor saved = Screen()->Cursor();
        CursorGuard() { Screen()->SetCursor(crHourGlass); }
        ~CursorGuard() { Screen()->SetCursor(saved); }
    } cursor;
    const int stored = d->data->Strings->GetSortOrder(SelectedDataRow());
    const bool ascending = !d->data->SortToggle();
    d->data->SetSortToggle(ascending);
    Sort(DataColumnAt(GridCol), SecondarySortColumn(), ascending);
    const int row = GridRowOf(PresentedRowOf(*d->data->Strings, stored, NrOfRows()));
    if (row >= 0)
        SelectGridRow(row);
    emit rowsRearranged();
}

// ---- filtering

// The filter, or an error naming this list; raised before anything changes.
std::unique_ptr<RowFilter> TReportListView::CompiledFilter(const QString& FilterExp,
                                                           TFilterMode FilterMode,
                                                           bool IgnoreCase) const
{
    try {
        return std::make_unique<RowFilter>(FilterExp, FilterMode, IgnoreCase);
    } catch (const EVEKRepListError& e) {
        throw EVEKRepListError(ComponentErrorText(Name(), e.Message()));
    }
}

void TReportListView::FilterAndSort(const QString& FilterExp, const QList<int>& FilterColumns,
                                    bool IgnoreCase, TFilterMode FilterMode, int SortColumn,
                                    bool Ascending)
{
    const std::unique_ptr<RowFilter> filter = CompiledFilter(FilterExp, FilterMode, IgnoreCase);
    HideEditor();
    const int stored = d->data->Strings->GetSortOrder(SelectedDataRow());
    {
        PaintBatch batch(this);
        if (SortColumn >= 0 && SortColumn <= NrOfColumns())
            d->data->Sort(SortColumn, SecondarySortColumn(), Ascending);
        ApplyFilter(*filter, FilterColumns);
        FollowData();
        const int row = GridRowOf(PresentedRowOf(*d->data->Strings, stored, NrOfRows()));
        SelectGridRow(row >= 0 ? row : FixedRows());
        SetTopRow(TopRow());
    }
    emit rowsRearranged();
}

void TReportListView::ApplyFilter(const RowFilter& Filter, const QList<int>& Columns)
{
    std::vector<int> columns;
    for (int c : Columns)
        if (c >= 0 && c <= NrOfColumns())
            columns.push_back(c);
    if (Columns.isEmpty())
        for (int c = 1; c <= NrOfColumns(); ++c)
            columns.push_back(c);
    std::vector<bool> flagged; // check columns store a flag before the value
    for (int c : columns)
        flagged.push_back(c > 0 && ColumnCheckMode(c) != cmNone);

    TStringArray* cells = d->data->Strings;
    std::vector<QStringView> texts(columns.size());
    for (int r = 1; r <= NrOfRows(); ++r) {
        bool found = Filter.MatchesAll();
        if (!found) {
            for (std::size_t i = 0; i < columns.size(); ++i) {
                const QStringView text = cells->CellView(columns[i], r);
                texts[i] = flagged[i] && !text.isEmpty() ? text.sliced(1) : text;
            }
            found = Filter.Matches(texts.data(), int(texts.size()));
        }
        if (OnBeforeFilter) {
            bool own = true;
            TLogicOp op = loAND;
            OnBeforeFilter(this, r, own, op);
            found = ApplyLogicOp(op, found, own);
        }
        cells->SetRowHidden(r, !found);
    }
}

} // namespace vek
