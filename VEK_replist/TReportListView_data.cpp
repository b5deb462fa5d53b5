// TReportListView: data access forwarded to the TRLData, operations on the whole list
// (painting suppressed until they are done), and the row and column flags kept in the
// data's attribute bytes.
#include "replist_p.h"

namespace vek {

// Attribute bits in the string array: a row or column is selected, a row is disabled.
static constexpr quint8 SelectedBit = 0x80;
static constexpr quint8 DisabledBit = 0x40;

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

void TReportListView::Fill(const QString& s)
{
    HideEditor();
    PaintBatch batch(this);
    d->data->Fill(s);
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

// ---- row and column flags

// The attribute byte with bit set or cleared.
static quint8 WithBit(quint8 attr, quint8 bit, bool set)
{
    return set ? attr | bit : attr & ~bit;
}

bool TReportListView::RowSelected(int r) const
{
    return ContainsRow(r) && (d->data->Strings->GetRowAttrib(r) & SelectedBit);
}

void TReportListView::SetRowSelected(int r, bool value)
{
    if (!ContainsRow(r))
        return;
    TStringArray* cells = d->data->Strings;
    cells->SetRowAttrib(r, WithBit(cells->GetRowAttrib(r), SelectedBit, value));
    Invalidate();
}

bool TReportListView::RowEnabled(int r) const
{
    return !ContainsRow(r) || !(d->data->Strings->GetRowAttrib(r) & DisabledBit);
}

void TReportListView::SetRowEnabled(int r, bool value)
{
    if (!ContainsRow(r))
        return;
    TStringArray* cells = d->data->Strings;
    cells->SetRowAttrib(r, WithBit(cells->GetRowAttrib(r), DisabledBit, !value));
    Invalidate();
}

bool TReportListView::ColumnSelected(int c) const
{
    return ContainsColumn(c) && (d->data->Strings->GetColAttrib(c) & SelectedBit);
}

void TReportListView::SetColumnSelected(int c, bool value)
{
    if (!ContainsColumn(c))
        return;
    TStringArray* cells = d->data->Strings;
    cells->SetColAttrib(c, WithBit(cells->GetColAttrib(c), SelectedBit, value));
    Invalidate();
}

} // namespace vek
