// TReportListView: operations on the whole list, forwarded to the data with painting
// suppressed until they are done.
#include "VEK_replist.h"

namespace vek {

void TReportListView::Fill(const QString& s)
{
    HideEditor();
    PaintBatch batch(this);
    FRLData->Fill(s);
}

int TReportListView::CountCheckedElemsInCol(int Column) const
{
    if (!ContainsColumn(Column))
        return 0;
    int count = 0;
    for (int r = 1; r <= NrOfRows(); ++r)
        count += RowEnabled(r) && ElemChecked(Column, r) ? 1 : 0;
    return count;
}

void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked)
{
    if (ColumnCheckMode(Column) != cmBox)
        return;
    PaintBatch batch(this);
    FRLData->SetAllCheckmarksOfCol(Column, Checked);
}

void TReportListView::InvertAllCheckmarksOfCol(int Column)
{
    if (ColumnCheckMode(Column) != cmBox)
        return;
    PaintBatch batch(this);
    FRLData->InvertAllCheckmarksOfCol(Column);
}

void TReportListView::Sort(int Col, int ColSec, bool Ascending)
{
    PaintBatch batch(this);
    FRLData->Sort(Col, ColSec, Ascending);
}

void TReportListView::UnSort()
{
    PaintBatch batch(this);
    FRLData->UnSort();
}

void TReportListView::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomDrawGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
    Repaint();
}

} // namespace vek
