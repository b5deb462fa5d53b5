// TReportListView: data access forwarded to the TRLData and operations on the whole list
// (painting suppressed until they are done).
#include "replist_p.h"

namespace vek {

// ---- forwarded data access

QString TReportListView::Elem(int ACol, int ARow) const { return d->data->Elem(ACol, ARow); }

void TReportListView::SetElem(int ACol, int ARow, const QString& value)
{
    d->data->SetElem(ACol, ARow, value);
}

QString TReportListView::Header(int ColNr) const { return d->data->Header(ColNr); }

bool TReportListView::ElemChecked(int ACol, int ARow) const
{
    return d->data->ElemChecked(ACol, ARow);
}

double TReportListView::AsNumber(int ACol, int ARow) const { return d->data->AsNumber(ACol, ARow); }

QString TReportListView::DefaultValue(int ACol, int ARow) const
{
    return d->data->DefaultValue(ACol, ARow);
}

QString TReportListView::ColumnFormat(int ColNr) const { return d->data->ColumnFormat(ColNr); }
TCheckMode TReportListView::ColumnCheckMode(int ColNr) const { return d->data->ColumnCheckMode(ColNr); }
bool TReportListView::IsCheckedColumn(int ColNr) const { return d->data->IsCheckedColumn(ColNr); }
QString TReportListView::Comment() const { return d->data->Comment(); }
void TReportListView::SetComment(const QString& value) { d->data->SetComment(value); }
QString TReportListView::DataID() const { return d->data->DataID(); }
void TReportListView::SetDataID(const QString& value) { d->data->SetDataID(value); }
int TReportListView::LastSortColumn() const { return d->data->LastSortColumn(); }
bool TReportListView::LastSortOrder() const { return d->data->LastSortOrder(); }

int TReportListView::ColumnIndex(const QString& Head, bool PartialMatch) const
{
    return d->data->ColumnIndex(Head, PartialMatch);
}

int TReportListView::FirstCheckedElemInCol(int ColNr) const
{
    return d->data->FirstCheckedElemInCol(ColNr);
}

int TReportListView::FirstCheckedElemInRow(int RowNr) const
{
    return d->data->FirstCheckedElemInRow(RowNr);
}

int TReportListView::CountCheckedElemsInRow(int Row) const
{
    return d->data->CountCheckedElemsInRow(Row);
}

// ---- whole-list operations

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
    d->data->SetAllCheckmarksOfCol(Column, Checked);
}

void TReportListView::InvertAllCheckmarksOfCol(int Column)
{
    if (ColumnCheckMode(Column) != cmBox)
        return;
    PaintBatch batch(this);
    d->data->InvertAllCheckmarksOfCol(Column);
}

void TReportListView::Sort(int Col, int ColSec, bool Ascending)
{
    PaintBatch batch(this);
    d->data->Sort(Col, ColSec, Ascending);
}

void TReportListView::UnSort()
{
    PaintBatch batch(this);
    d->data->UnSort();
}

} // namespace vek
