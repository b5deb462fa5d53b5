// TReportListView: inserting, appending, removing and clearing rows through the control,
// and filling the list. Each hides the in-place editor first: its cell may go away.
#include "replist_p.h"

namespace vek {

int TReportListView::InsertRow(int r)
{
    HideEditor();
    {
        PaintBatch batch(this);
        TRLData* data = d->data.get();
        if (ContainsRow(r)) {
            data->Strings->InsertRow(r);
            SetNrOfRows(NrOfRows() + 1); // the string array has the row already
        } else if (r > NrOfRows()) {
            SetNrOfRows(NrOfRows() + 1);
            r = NrOfRows();
        }
        // The rows keep the order they show, which no longer counts as sorted.
        data->Strings->CommitSorting();
        data->UnSort();
    }
    return r;
}

int TReportListView::AddRow()
{
    HideEditor();
    SetNrOfRows(NrOfRows() + 1);
    return NrOfRows();
}

void TReportListView::RemoveRow(int r)
{
    if (!ContainsRow(r))
        return;
    HideEditor();
    PaintBatch batch(this);
    d->data->RemoveRow(r);
    FollowData();
    ChangedSetup();
}

void TReportListView::RemoveEmptyRows()
{
    HideEditor();
    PaintBatch batch(this);
    d->data->RemoveEmptyRows();
    FollowData();
    ChangedSetup();
}

void TReportListView::Clear()
{
    HideEditor();
    PaintBatch batch(this);
    d->data->Clear();
    for (int r = 1; r <= NrOfRows(); ++r)
        d->data->Strings->SetRowHidden(r, false);
    std::fill(d->colAlignment.begin(), d->colAlignment.end(), taLeftJustify);
    std::fill(d->columnIsPwd.begin(), d->columnIsPwd.end(), false);
    std::fill(d->columnEditable.begin(), d->columnEditable.end(), false);
    for (std::size_t i = 0; i < d->colOrder.size(); ++i)
        d->colOrder[i] = int(i);
    FollowData();
}

void TReportListView::Fill(const QString& s)
{
    HideEditor();
    PaintBatch batch(this);
    d->data->Fill(s);
}

} // namespace vek
