// TNTabEd and other tables: resizing in one step, binding a table the program owns,
// taking over another editor's contents or cell states, and writing a cell's state.
#include "ntabed_p.h"

#include <algorithm>

namespace vek {

void ntabed::TableRelease::operator()(TDataTable* table) const
{
    if (Owned) {
        delete table;
        return;
    }
    QObject::disconnect(Watch);
    table->OnChange = nullptr;
    table->OnSetupChange = nullptr;
    table->OnPercentDone = nullptr;
    table->OnResize = nullptr;
    table->OnSortExchange = nullptr;
}

void TNTabEd::Redimension(int NrCols, int NrRows)
{
    NrCols = std::max(1, NrCols);
    NrRows = std::max(1, NrRows);
    if (NrCols == NrOfColumns() && NrRows == NrOfRows())
        return;
    {
        const Suppression quiet(d.get());
        d->ReservePrecisions(NrCols); // fails before anything changed
        try {
            d->table->Resize(NrCols, NrRows);
        } catch (const EVEKError&) {
            d->precisions.shrink_to_fit(); // no room kept for a size the table refused
            throw;
        }
    }
    ChangedSetup();
}

// ---- tables taken over as a whole

void TNTabEd::Private::ReportNewTable()
{
    q->ChangedSetup();
    q->ChangedData();
    q->ChangedLayout();
}

void TNTabEd::Private::BindTable(TDataTable* newTable, bool owned)
{
    QMetaObject::Connection watch;
    if (!owned)
        watch = QObject::connect(newTable, &QObject::destroyed, q, [this] { BoundTableDestroyed(); });
    table = decltype(table)(newTable, ntabed::TableRelease(owned, watch));
    HookTable();
}

void TNTabEd::Private::BoundTableDestroyed()
{
    const int cols = q->ColCount() - colOffset - 1, rows = q->RowCount() - rowOffset - 1;
    (void)table.release(); // gone already: nothing to free, no handlers to clear
    auto own = std::make_unique<TDataTable>(nullptr);
    try {
        own->Resize(cols, rows);
    } catch (const EVEKError&) { // no room for as many zeros
        own->Resize(1, 1);
    }
    {
        const Suppression quiet(this);
        BindTable(own.release(), true);
        FollowTableSize(cols, table->NrOfColumns(), table->NrOfRows());
    }
    ReportNewTable();
}

void TNTabEd::AssignAnotherDataMatrix(TDataTable* NewDTab)
{
    if (!NewDTab || NewDTab == d->table.get())
        return;
    HideEditor();
    {
        const Suppression quiet(d.get());
        const int oldCols = NrOfColumns();
        d->ReservePrecisions(NewDTab->NrOfColumns());
        d->BindTable(NewDTab, false);
        d->FollowTableSize(oldCols, NrOfColumns(), NrOfRows());
        std::fill(d->precisions.begin(), d->precisions.end(), qint8(DefaultPrecision));
    }
    d->ReportNewTable();
}

void TNTabEd::CopyContentsFrom(const TNTabEd* ExtTab)
{
    if (!ExtTab || ExtTab == this)
        return;
    HideEditor();
    {
        const Suppression quiet(d.get());
        const MutedTable muted(d.get());
        d->ReservePrecisions(ExtTab->NrOfColumns()); // so that the copy below cannot fail
        d->table->Assign(ExtTab->d->table.get());
        d->precisions = ExtTab->d->precisions;
    }
    d->ReportNewTable();
}

// ---- cell states

void TNTabEd::CopyCellStatesFrom(const TNTabEd* ExtTab)
{
    if (!ExtTab || ExtTab == this)
        return;
    const int cols = std::min(NrOfColumns(), ExtTab->NrOfColumns());
    const int rows = std::min(NrOfRows(), ExtTab->NrOfRows());
    d->WriteQuietly(
        [&] {
            for (int r = 1; r <= rows; ++r)
                for (int c = 1; c <= cols; ++c)
                    d->table->SetCellState(c, r, ExtTab->CellState(c, r));
        },
        &TNTabEd::ChangedCellStates);
}

void TNTabEd::SetCellState(int C, int R, quint8 Value)
{
    if (C < 1 || C > NrOfColumns() || R < 1 || R > NrOfRows())
        return;
    d->WriteQuietly([&] { d->table->SetCellState(C, R, Value); }, &TNTabEd::ChangedCellStates);
}

} // namespace vek
