// TRLData: cell values, check marks and column check modes.
#include "rldata_p.h"

namespace vek {

namespace {

const QString kChecked = QStringLiteral("X");
const QString kUnchecked = QStringLiteral(" ");

QString Flag(bool checked)
{
    return checked ? kChecked : kUnchecked;
}

} // namespace

bool TRLData::IsCheckedText(QStringView stored)
{
    return !stored.isEmpty() && stored.front() != u' ';
}

bool TRLData::IsCheckColumn(int col) const
{
    return ContainsColumn(col) && d->columns[std::size_t(col - 1)].CheckMode != cmNone;
}

QString TRLData::Elem(int ACol, int ARow) const
{
    if (!ContainsCell(ACol, ARow))
        return QString();
    const QStringView stored = Strings->CellView(ACol, ARow);
    return (IsCheckColumn(ACol) ? stored.mid(1) : stored).toString();
}

void TRLData::SetElem(int ACol, int ARow, const QString& value)
{
    if (!ContainsCell(ACol, ARow))
        return;
    if (!IsCheckColumn(ACol)) {
        Strings->SetString(ACol, ARow, value);
        return;
    }
    const QStringView stored = Strings->CellView(ACol, ARow);
    const QString flag = stored.isEmpty() ? kUnchecked : stored.first(1).toString();
    Strings->SetString(ACol, ARow, flag + value);
}

bool TRLData::ElemChecked(int ACol, int ARow) const
{
    return ContainsCell(ACol, ARow) && IsCheckColumn(ACol)
           && IsCheckedText(Strings->CellView(ACol, ARow));
}

// Sets the flag of one cell, keeping its value (an empty cell becomes the flag alone).
void TRLData::SetFlag(int col, int row, bool checked)
{
    const QStringView stored = Strings->CellView(col, row);
    const QString value = stored.isEmpty() ? QString() : stored.mid(1).toString();
    Strings->SetString(col, row, Flag(checked) + value);
}

void TRLData::ClearFlagsOfCol(int col)
{
    for (int r = 1; r <= d->nrOfRows; ++r)
        SetFlag(col, r, false);
}

void TRLData::SetElemChecked(int ACol, int ARow, bool value)
{
    if (!ContainsCell(ACol, ARow) || !IsCheckColumn(ACol))
        return;
    if (ColumnCheckMode(ACol) == cmRadio)
        ClearFlagsOfCol(ACol);
    SetFlag(ACol, ARow, value);
}

TCheckMode TRLData::ColumnCheckMode(int ColNr) const
{
    return ContainsColumn(ColNr) ? d->columns[std::size_t(ColNr - 1)].CheckMode : cmNone;
}

void TRLData::SetColumnCheckMode(int ColNr, TCheckMode value)
{
    const TCheckMode old = ColumnCheckMode(ColNr);
    if (!ContainsColumn(ColNr) || value == old)
        return;
    // one mode change is one change, not one per cell
    TNotifyEvent onChange = std::move(Strings->OnChange);
    Strings->OnChange = nullptr;
    for (int r = 1; r <= d->nrOfRows; ++r) {
        const QStringView stored = Strings->CellView(ColNr, r);
        if (stored.isEmpty())
            continue;
        if (old == cmNone)
            Strings->SetString(ColNr, r, kUnchecked + stored.toString());
        else if (value == cmNone)
            Strings->SetString(ColNr, r, stored.mid(1).toString());
    }
    if (old == cmBox && value == cmRadio)
        ClearFlagsOfCol(ColNr);
    d->columns[std::size_t(ColNr - 1)].CheckMode = value;
    Strings->OnChange = std::move(onChange);
}

bool TRLData::IsCheckedColumn(int ColNr) const
{
    return ColumnCheckMode(ColNr) == cmBox;
}

void TRLData::SetIsCheckedColumn(int ColNr, bool value)
{
    SetColumnCheckMode(ColNr, value ? cmBox : cmNone);
}

void TRLData::SetAllCheckmarksOfCol(int Column, bool Checked)
{
    if (ColumnCheckMode(Column) != cmBox)
        return;
    for (int r = 1; r <= d->nrOfRows; ++r)
        SetFlag(Column, r, Checked);
}

void TRLData::InvertAllCheckmarksOfCol(int Column)
{
    if (ColumnCheckMode(Column) != cmBox)
        return;
    for (int r = 1; r <= d->nrOfRows; ++r) {
        const QStringView stored = Strings->CellView(Column, r);
        SetFlag(Column, r, !stored.startsWith(kChecked));
    }
}

int TRLData::CountCheckedElemsInCol(int Column) const
{
    int count = 0;
    if (IsCheckColumn(Column))
        for (int r = 1; r <= d->nrOfRows; ++r)
            count += IsCheckedText(Strings->CellView(Column, r)) ? 1 : 0;
    return count;
}

int TRLData::CountCheckedElemsInRow(int Row) const
{
    int count = 0;
    for (int c = 1; c <= d->nrOfCols; ++c)
        count += ElemChecked(c, Row) ? 1 : 0;
    return count;
}

int TRLData::FirstCheckedElemInCol(int ColNr) const
{
    if (IsCheckColumn(ColNr))
        for (int r = 1; r <= d->nrOfRows; ++r)
            if (IsCheckedText(Strings->CellView(ColNr, r)))
                return r;
    return 0;
}

int TRLData::FirstCheckedElemInRow(int RowNr) const
{
    for (int c = 1; c <= d->nrOfCols; ++c)
        if (ElemChecked(c, RowNr))
            return c;
    return 0;
}

void TRLData::Fill(const QString& s)
{
    for (int c = 1; c <= d->nrOfCols; ++c) {
        const bool check = IsCheckColumn(c);
        for (int r = 1; r <= d->nrOfRows; ++r) {
            if (!check) {
                Strings->SetString(c, r, s);
                continue;
            }
            Strings->SetString(c, r, Flag(IsCheckedText(Strings->CellView(c, r))) + s);
        }
    }
}

} // namespace vek
