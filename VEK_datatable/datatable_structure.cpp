// TDataTable: inserting, removing and mirroring columns and rows. Each one is a new
// layout of the cells (built before the table changes, so that running out of memory
// leaves it as it was) or an exchange in place.
#include "datatable_p.h"

#include <algorithm>

namespace vek {

using datatable::AxisMap;

void TDataTable::InsertRow(int R)
{
    if (R < 1 || R > FNrRows + 1 || FNrRows >= MaxCount ||
        qint64(FNrCols) * (FNrRows + 1) > MaxCells)
        return;
    Relayout({AxisMap::Resized(FNrCols, FNrCols), AxisMap::Inserted(FNrRows, R)});
    ReportResize(FNrCols, FNrRows - 1);
    SetupChanged();
}

void TDataTable::InsertColumn(int C)
{
    if (C < 1 || C > FNrCols + 1 || FNrCols >= MaxCount ||
        qint64(FNrCols + 1) * FNrRows > MaxCells)
        return;
    Relayout({AxisMap::Inserted(FNrCols, C), AxisMap::Resized(FNrRows, FNrRows)});
    ReportResize(FNrCols - 1, FNrRows);
    SetupChanged();
}

void TDataTable::RemoveRow(int R)
{
    if (!ContainsRow(R))
        return;
    Relayout({AxisMap::Resized(FNrCols, FNrCols), AxisMap::Removed(FNrRows, R)});
    ReportResize(FNrCols, FNrRows + 1);
    SetupChanged();
}

void TDataTable::RemoveColumn(int C)
{
    if (!ContainsColumn(C))
        return;
    Relayout({AxisMap::Removed(FNrCols, C), AxisMap::Resized(FNrRows, FNrRows)});
    ReportResize(FNrCols + 1, FNrRows);
    SetupChanged();
}

void TDataTable::MirrorColumns()
{
    for (int c = 1; c <= FNrCols / 2; ++c)
        ExchangeColumns(c, FNrCols + 1 - c, 1, FNrRows, true);
    Changed();
    SetupChanged();
}

void TDataTable::MirrorRows()
{
    for (int r = 1; r <= FNrRows / 2; ++r)
        ExchangeRows(r, FNrRows + 1 - r, 1, FNrCols, true);
    Changed();
    SetupChanged();
}

// Exchanges the cells of columns a and b in rows LowRow..HighRow, and with headers their
// names, attributes, scale types and nominal IDs.
void TDataTable::ExchangeColumns(int a, int b, int LowRow, int HighRow, bool headers)
{
    for (int r = LowRow; r <= HighRow; ++r) {
        std::swap(FValues[Index(a, r)], FValues[Index(b, r)]);
        std::swap(FStates[Index(a, r)], FStates[Index(b, r)]);
    }
    if (headers)
        std::swap(FColumns[std::size_t(a - 1)], FColumns[std::size_t(b - 1)]);
}

// Exchanges the cells of rows a and b in columns LowCol..HighCol, and with headers their
// names and attributes.
void TDataTable::ExchangeRows(int a, int b, int LowCol, int HighCol, bool headers)
{
    const std::size_t ia = Index(LowCol, a), ib = Index(LowCol, b);
    const std::size_t count = std::size_t(HighCol - LowCol + 1);
    std::swap_ranges(FValues.begin() + qsizetype(ia), FValues.begin() + qsizetype(ia + count),
                     FValues.begin() + qsizetype(ib));
    std::swap_ranges(FStates.begin() + qsizetype(ia), FStates.begin() + qsizetype(ia + count),
                     FStates.begin() + qsizetype(ib));
    if (!headers)
        return;
    std::swap(FRowAttribs[std::size_t(a - 1)], FRowAttribs[std::size_t(b - 1)]);
    if (!FRowNames.empty())
        std::swap(FRowNames[std::size_t(a - 1)], FRowNames[std::size_t(b - 1)]);
}

} // namespace vek
