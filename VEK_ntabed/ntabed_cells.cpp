// TNTabEd: the data operations (cells, markings, headers, precisions) and the structure
// (insert, remove, mirror, Clear), in data indices.
#include "ntabed_p.h"

#include <frame/core/change.h>

#include <algorithm>

namespace vek {

namespace {

constexpr quint8 MarkBits = dtsMarkedA | dtsMarkedB;

// The state byte with one bit set or cleared; the other bits stay as the table has them.
quint8 WithBit(quint8 state, quint8 bit, bool on)
{
    return on ? quint8(state | bit) : quint8(state & ~bit);
}

} // namespace

// ---- writes the editor reports in its own terms

// The table's own notification would report a state or header write as a change of the
// data; the editor reports it as what it is.
void TNTabEd::Private::WriteQuietly(const std::function<void()>& write, void (TNTabEd::*report)())
{
    {
        const MutedTable muted(this);
        write();
    }
    q->Invalidate();
    (q->*report)();
}

// ---- cells

double TNTabEd::Elem(int C, int R) const { return d->table->GetElem(C, R); }
void TNTabEd::SetElem(int C, int R, double value) { d->table->SetElem(C, R, value); }
quint8 TNTabEd::CellState(int C, int R) const { return d->table->GetCellState(C, R); }
bool TNTabEd::ElemMarkedA(int C, int R) const { return CellState(C, R) & dtsMarkedA; }
bool TNTabEd::ElemMarkedB(int C, int R) const { return CellState(C, R) & dtsMarkedB; }
bool TNTabEd::IsEmpty(int C, int R) const { return CellState(C, R) & dtsEmpty; }
bool TNTabEd::IsNumber(int C, int R) const { return d->table->GetIsNumber(C, R); }

// Writes outside the table change nothing (the table ignores them) but are reported.
void TNTabEd::Private::SetStateBit(int C, int R, quint8 bit, bool on)
{
    WriteQuietly([&] { table->SetCellState(C, R, WithBit(table->GetCellState(C, R), bit, on)); },
                 &TNTabEd::ChangedCellStates);
}

void TNTabEd::SetElemMarkedA(int C, int R, bool value) { d->SetStateBit(C, R, dtsMarkedA, value); }
void TNTabEd::SetElemMarkedB(int C, int R, bool value) { d->SetStateBit(C, R, dtsMarkedB, value); }
void TNTabEd::SetIsEmpty(int C, int R, bool value) { d->SetStateBit(C, R, dtsEmpty, value); }

bool TNTabEd::IfRowMarked(int R) const
{
    if (R < 1 || R > NrOfRows())
        return false;
    for (int c = 1; c <= NrOfColumns(); ++c)
        if (CellState(c, R) & MarkBits)
            return true;
    return false;
}

bool TNTabEd::IfColumnMarked(int C) const
{
    if (C < 1 || C > NrOfColumns())
        return false;
    for (int r = 1; r <= NrOfRows(); ++r)
        if (CellState(C, r) & MarkBits)
            return true;
    return false;
}

bool TNTabEd::IfAnyMarked() const { return d->table->CountCells(MarkBits) > 0; }
int TNTabEd::NrOfMarkedDataA() const { return int(d->table->CountCells(dtsMarkedA)); }
int TNTabEd::NrOfMarkedDataB() const { return int(d->table->CountCells(dtsMarkedB)); }

// The whole-table state operations report one cell-state change.
void TNTabEd::UnMarkAllElems()
{
    d->WriteQuietly([this] { d->table->UnmarkAllCells(); }, &TNTabEd::ChangedCellStates);
}

void TNTabEd::MarkAllElemsA()
{
    d->WriteQuietly([this] { d->table->MarkAllCells(dtsMarkedA); }, &TNTabEd::ChangedCellStates);
}

void TNTabEd::MarkAllElemsB()
{
    d->WriteQuietly([this] { d->table->MarkAllCells(dtsMarkedB); }, &TNTabEd::ChangedCellStates);
}

void TNTabEd::ExchangeMarkings()
{
    d->WriteQuietly([this] { d->table->ExchangeMarkings(); }, &TNTabEd::ChangedCellStates);
}

void TNTabEd::InvertCellStates(quint8 StateMask)
{
    d->WriteQuietly([&] { d->table->InvertCellStates(StateMask); }, &TNTabEd::ChangedCellStates);
}

void TNTabEd::Fill(double value)
{
    {
        const MutedTable muted(d.get());
        d->table->Fill(value);
    }
    Invalidate();
}

int TNTabEd::FillMarkedCells(double value, quint8 StateMask)
{
    const CallerSuppression quiet(this);
    return d->table->FillMarkedCells(value, StateMask);
}

// ---- headers

TDTNameStr TNTabEd::ColName(int C) const { return d->table->GetColName(C); }
TDTNameStr TNTabEd::RowName(int R) const { return d->table->GetRowName(R); }
quint8 TNTabEd::ColAttrib(int C) const { return d->table->GetColAttrib(C); }
quint8 TNTabEd::RowAttrib(int R) const { return d->table->GetRowAttrib(R); }

void TNTabEd::SetColName(int C, const TDTNameStr& value)
{
    if (C >= 1 && C <= NrOfColumns())
        d->WriteQuietly([&] { d->table->SetColName(C, value); }, &TNTabEd::ChangedHeading);
}

void TNTabEd::SetRowName(int R, const TDTNameStr& value)
{
    if (R >= 1 && R <= NrOfRows())
        d->WriteQuietly([&] { d->table->SetRowName(R, value); }, &TNTabEd::ChangedHeading);
}

void TNTabEd::SetColAttrib(int C, quint8 value)
{
    if (C >= 1 && C <= NrOfColumns())
        d->WriteQuietly([&] { d->table->SetColAttrib(C, value); }, &TNTabEd::ChangedAttrib);
}

void TNTabEd::SetRowAttrib(int R, quint8 value)
{
    if (R >= 1 && R <= NrOfRows())
        d->WriteQuietly([&] { d->table->SetRowAttrib(R, value); }, &TNTabEd::ChangedAttrib);
}

int TNTabEd::Precision(int C) const
{
    if (C < 1 || C > int(d->precisions.size()))
        return 0;
    return quint8(d->precisions[std::size_t(C - 1)]);
}

void TNTabEd::SetPrecision(int C, int value)
{
    if (C < 1 || C > int(d->precisions.size()))
        return;
    d->precisions[std::size_t(C - 1)] = qint8(value < 0 ? -1 : std::min(value, 10));
    Invalidate();
    ChangedLayout();
}

int TNTabEd::NumWidth() const { return d->numWidth; }

void TNTabEd::SetNumWidth(int value)
{
    if (value >= 1 && value <= 20 && Change(d->numWidth, value))
        Invalidate();
    ChangedLayout();
}

// ---- structure

void TNTabEd::InsertRow(int R)
{
    if (R < 1 || R > NrOfRows() + 1)
        return;
    const CallerSuppression quiet(this);
    d->table->InsertRow(R); // the grid grows with the table
    d->ShiftRowHeights(R + d->rowOffset + 1, RowCount() - 1, 1);
}

void TNTabEd::InsertColumn(int C)
{
    if (C < 1 || C > NrOfColumns() + 1)
        return;
    const CallerSuppression quiet(this);
    // The new column takes the precision of its neighbour, which FollowTableSize then
    // finds in place.
    d->ReservePrecisions(NrOfColumns() + 1);
    const std::size_t at = std::size_t(std::min(C, NrOfColumns()) - 1);
    d->precisions.insert(d->precisions.begin() + qsizetype(C - 1), d->precisions[at]);
    const int before = NrOfColumns();
    try {
        d->table->InsertColumn(C);
    } catch (...) {
        d->precisions.erase(d->precisions.begin() + qsizetype(C - 1));
        throw;
    }
    if (NrOfColumns() == before) { // the table is as large as it may grow
        d->precisions.erase(d->precisions.begin() + qsizetype(C - 1));
        return;
    }
    const Suppression widths(d.get());
    d->ShiftColWidths(C + d->colOffset + 1, ColCount() - 1, 1);
}

void TNTabEd::RemoveRow(int R)
{
    if (R < 1 || R > NrOfRows() || NrOfRows() < 2)
        return;
    HideEditor();
    const CallerSuppression quiet(this);
    d->ShiftRowHeights(R + d->rowOffset, RowCount() - 2, -1);
    d->table->RemoveRow(R);
}

void TNTabEd::RemoveColumn(int C)
{
    if (C < 1 || C > NrOfColumns() || NrOfColumns() < 2)
        return;
    HideEditor();
    const CallerSuppression quiet(this);
    {
        const Suppression widths(d.get());
        d->ShiftColWidths(C + d->colOffset, ColCount() - 2, -1);
    }
    d->precisions.erase(d->precisions.begin() + qsizetype(C - 1));
    d->table->RemoveColumn(C);
}

void TNTabEd::MirrorColumns()
{
    const CallerSuppression quiet(this);
    std::reverse(d->precisions.begin(), d->precisions.end());
    d->table->MirrorColumns();
}

void TNTabEd::MirrorRows()
{
    const CallerSuppression quiet(this);
    d->table->MirrorRows();
}

void TNTabEd::Clear()
{
    const CallerSuppression quiet(this);
    const MutedTable muted(d.get());
    TDataTable& table = *d->table;
    table.Clear();
    for (int c = 1; c <= table.NrOfColumns(); ++c)
        table.SetColName(c, "C-" + QString::number(c));
    for (int r = 1; r <= table.NrOfRows(); ++r)
        table.SetRowName(r, "R-" + QString::number(r));
    std::fill(d->precisions.begin(), d->precisions.end(), qint8(DefaultPrecision));
}

} // namespace vek
