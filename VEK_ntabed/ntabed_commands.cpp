// The commands of TNTabEd's popup menus: the header menu's on the clicked column or row,
// the data menu's on the selected cells.
#include "ntabed_p.h"

#include <algorithm>

namespace vek {

namespace {

using ntabed::Interaction;
using enum Interaction::Marking;
using enum Interaction::Scope;

// The program's own state bits (2 to 5), which the editor's commands keep.
constexpr quint8 ProgramBits = quint8(~(dtsNotANumber | dtsEmpty | dtsMarkedA | dtsMarkedB));

} // namespace

// ---- the cells a command works on

TGridRect TNTabEd::Private::DataSelection() const
{
    const TGridRect s = q->Selection();
    return {s.Left - colOffset, s.Top - rowOffset, s.Right - colOffset, s.Bottom - rowOffset};
}

TGridRect TNTabEd::Private::ScopeBlock(Interaction::Scope scope) const
{
    const TGridRect s = DataSelection();
    const bool allRows = scope == Columns || scope == All;
    const bool allColumns = scope == Rows || scope == All;
    return {allColumns ? 1 : s.Left, allRows ? 1 : s.Top,
            allColumns ? table->NrOfColumns() : s.Right, allRows ? table->NrOfRows() : s.Bottom};
}

void TNTabEd::Private::ForEachCell(const TGridRect& block,
                                   const std::function<void(int C, int R)>& visit)
{
    for (int R = std::max(block.Top, 1); R <= std::min(block.Bottom, table->NrOfRows()); ++R)
        for (int C = std::max(block.Left, 1); C <= std::min(block.Right, table->NrOfColumns());
             ++C)
            visit(C, R);
}

void TNTabEd::Private::MarkCells(Interaction::Marking marking, Interaction::Scope scope)
{
    const quint8 bit = marking == MarkA || marking == UnmarkA ? dtsMarkedA : dtsMarkedB;
    const bool on = marking == MarkA || marking == MarkB;
    WriteQuietly(
        [&] {
            ForEachCell(ScopeBlock(scope), [&](int C, int R) {
                const quint8 state = table->GetCellState(C, R);
                table->SetCellState(C, R, on ? quint8(state | bit) : quint8(state & ~bit));
            });
        },
        &TNTabEd::ChangedCellStates);
}

// ---- the data menu

void TNTabEd::PopupMenuClickMarkARange(TObject*) { d->MarkCells(MarkA, Range); }
void TNTabEd::PopupMenuClickMarkACol(TObject*) { d->MarkCells(MarkA, Columns); }
void TNTabEd::PopupMenuClickMarkARow(TObject*) { d->MarkCells(MarkA, Rows); }
void TNTabEd::PopupMenuClickMarkAAll(TObject*) { d->MarkCells(MarkA, All); }
void TNTabEd::PopupMenuClickMarkBRange(TObject*) { d->MarkCells(MarkB, Range); }
void TNTabEd::PopupMenuClickMarkBCol(TObject*) { d->MarkCells(MarkB, Columns); }
void TNTabEd::PopupMenuClickMarkBRow(TObject*) { d->MarkCells(MarkB, Rows); }
void TNTabEd::PopupMenuClickMarkBAll(TObject*) { d->MarkCells(MarkB, All); }
void TNTabEd::PopupMenuClickUnMarkARange(TObject*) { d->MarkCells(UnmarkA, Range); }
void TNTabEd::PopupMenuClickUnMarkACol(TObject*) { d->MarkCells(UnmarkA, Columns); }
void TNTabEd::PopupMenuClickUnMarkARow(TObject*) { d->MarkCells(UnmarkA, Rows); }
void TNTabEd::PopupMenuClickUnMarkAAll(TObject*) { d->MarkCells(UnmarkA, All); }
void TNTabEd::PopupMenuClickUnMarkBRange(TObject*) { d->MarkCells(UnmarkB, Range); }
void TNTabEd::PopupMenuClickUnMarkBCol(TObject*) { d->MarkCells(UnmarkB, Columns); }
void TNTabEd::PopupMenuClickUnMarkBRow(TObject*) { d->MarkCells(UnmarkB, Rows); }
void TNTabEd::PopupMenuClickUnMarkBAll(TObject*) { d->MarkCells(UnmarkB, All); }

void TNTabEd::PopupMenuClickUnMarkAll(TObject*) { UnMarkAllElems(); }

// The cells become plain zeros; the program's own state bits stay.
void TNTabEd::PopupMenuClickClear(TObject*)
{
    {
        const Suppression quiet(d.get());
        const MutedTable muted(d.get());
        d->ForEachCell(d->DataSelection(), [this](int C, int R) {
            d->table->SetElem(C, R, 0);
            d->table->SetCellState(C, R, d->table->GetCellState(C, R) & ProgramBits);
        });
    }
    d->Fire(OnPaste, &TNTabEd::pasted);
    ChangedData();
    ChangedCellStates();
}

void TNTabEd::PopupMenuClickEmptyCells(TObject*)
{
    d->WriteQuietly(
        [this] {
            d->ForEachCell(d->DataSelection(), [this](int C, int R) {
                d->table->SetCellState(C, R, d->table->GetCellState(C, R) ^ dtsEmpty);
            });
        },
        &TNTabEd::ChangedCellStates);
}

void TNTabEd::PopupMenuClickEdit(TObject*)
{
    SetDataReadOnly(!DataReadOnly());
    ChangedSetup();
}

void TNTabEd::PopupMenuClickSelAll(TObject*)
{
    SetSelection({d->colOffset + 1, d->rowOffset + 1, ColCount() - 1, RowCount() - 1});
    d->ReportSelection(true);
}

// ---- the header menu, on the column or row of the clicked header cell

void TNTabEd::PopupMenuClickChangeID(TObject*) { d->OpenHeadingEditor(); }

// Steps down to 0, then to exponent form, then from 10 down again; the menu comes back
// for the next step.
void TNTabEd::PopupMenuClickPrecision(TObject*)
{
    const int C = d->ui.clickedCell.X - d->colOffset;
    if (C < 1 || C > NrOfColumns())
        return;
    const int current = Precision(C);
    SetPrecision(C, current <= 128 ? current - 1 : 10);
    d->ShowHeaderPopup();
}

void TNTabEd::PopupMenuClickSelectCol(TObject*)
{
    const int col = d->ui.clickedCell.X;
    SetSelection({col, d->rowOffset + 1, col, RowCount() - 1});
    d->ReportSelection(true);
}

void TNTabEd::PopupMenuClickSelectRow(TObject*)
{
    const int row = d->ui.clickedCell.Y;
    SetSelection({d->colOffset + 1, row, ColCount() - 1, row});
    d->ReportSelection(true);
}

void TNTabEd::PopupMenuClickInsertCol(TObject*) { d->InsertNamedLine(true); }
void TNTabEd::PopupMenuClickInsertRow(TObject*) { d->InsertNamedLine(false); }

// The new column (row) takes the clicked one's place and a name that asks for one.
void TNTabEd::Private::InsertNamedLine(bool column)
{
    const int index = column ? ui.clickedCell.X - colOffset : ui.clickedCell.Y - rowOffset;
    if (index < 1 || index > (column ? table->NrOfColumns() : table->NrOfRows()))
        return;
    {
        const MutedTable muted(this);
        const QString name = QStringLiteral("(...)");
        if (column) {
            q->InsertColumn(index);
            table->SetColName(index, name);
        } else {
            q->InsertRow(index);
            table->SetRowName(index, name);
        }
    }
    q->ChangedSetup();
}

void TNTabEd::PopupMenuClickDeleteCol(TObject*)
{
    RemoveColumn(d->ui.clickedCell.X - d->colOffset);
    ChangedSetup();
}

void TNTabEd::PopupMenuClickDeleteRow(TObject*)
{
    RemoveRow(d->ui.clickedCell.Y - d->rowOffset);
    ChangedSetup();
}

} // namespace vek
