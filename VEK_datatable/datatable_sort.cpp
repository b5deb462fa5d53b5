// TDataTable: stable sorts of the columns and rows of a block, and the search by name.
// A sort orders the indices first and then exchanges columns (rows) along the cycles of
// that permutation, so each column moves at most once per cycle step and the exchange
// hook hears of every exchange it makes.
#include "datatable_p.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace vek {

namespace {

// A block's range on one axis, clamped to 1..count; empty when low > high.
struct Range {
    int Low, High;
    Range(int low, int high, int count) : Low(std::max(1, low)), High(std::min(count, high)) {}
    bool Empty() const { return Low > High; }
};

// The order of cell keys: numbers by value in the asked direction, then everything that
// is no number (in either direction), so that empty and invalid cells gather at the end.
bool NumberKeyLess(double a, bool aNumber, double b, bool bNumber, bool ascending)
{
    if (aNumber != bNumber)
        return aNumber;
    if (!aNumber)
        return false;
    return ascending ? a < b : b < a;
}

// Indices low..high, stably sorted by less; entry k is the index that ends at low + k.
std::vector<int> SortedIndices(int low, int high, const std::function<bool(int, int)>& less)
{
    std::vector<int> order(std::size_t(high - low + 1));
    std::iota(order.begin(), order.end(), low);
    std::stable_sort(order.begin(), order.end(), less);
    return order;
}

// Walks the cycles of the permutation (order[k] is the index that ends at low + k) and
// exchanges along them: afterwards every index holds what order asked for.
void ApplyOrder(const std::vector<int>& order, int low, const std::function<void(int, int)>& exchange)
{
    std::vector<bool> done(order.size(), false);
    for (std::size_t start = 0; start < order.size(); ++start) {
        std::size_t at = start;
        while (!done[at]) {
            done[at] = true;
            const std::size_t from = std::size_t(order[at] - low);
            if (from == start)
                break;
            exchange(low + int(at), low + int(from));
            at = from;
        }
    }
}

Qt::CaseSensitivity Sensitivity(bool ignoreCase)
{
    return ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

} // namespace

bool TDataTable::SortColumnsBy(const std::function<bool(int, int)>& less, int LowCol, int LowRow,
                               int HighCol, int HighRow, bool IncludeHeaders)
{
    const Range cols(LowCol, HighCol, FNrCols), rows(LowRow, HighRow, FNrRows);
    if (cols.Empty())
        return false;
    PercentDone(0);
    const std::vector<int> order = SortedIndices(cols.Low, cols.High, less);
    PercentDone(50);
    const int kind = IncludeHeaders ? ekColumnsWithHeaders : ekColumns;
    ApplyOrder(order, cols.Low, [&](int a, int b) {
        ExchangeColumns(a, b, rows.Low, rows.High, IncludeHeaders);
        if (OnSortExchange)
            OnSortExchange(this, kind, rows.Low, rows.High, a, b);
    });
    PercentDone(100);
    Changed();
    if (IncludeHeaders)
        SetupChanged();
    return true;
}

bool TDataTable::SortRowsBy(const std::function<bool(int, int)>& less, int LowCol, int LowRow,
                            int HighCol, int HighRow, bool IncludeHeaders)
{
    const Range cols(LowCol, HighCol, FNrCols), rows(LowRow, HighRow, FNrRows);
    if (rows.Empty() || cols.Empty())
        return false;
    PercentDone(0);
    const std::vector<int> order = SortedIndices(rows.Low, rows.High, less);
    PercentDone(50);
    const int kind = IncludeHeaders ? ekRowsWithHeaders : ekRows;
    ApplyOrder(order, rows.Low, [&](int a, int b) {
        ExchangeRows(a, b, cols.Low, cols.High, IncludeHeaders);
        if (OnSortExchange)
            OnSortExchange(this, kind, cols.Low, cols.High, a, b);
    });
    PercentDone(100);
    Changed();
    if (IncludeHeaders)
        SetupChanged();
    return true;
}

bool TDataTable::CellLess(std::size_t a, std::size_t b, bool ascending) const
{
    auto isNumber = [this](std::size_t i) {
        return (FStates[i] & (dtsNotANumber | dtsEmpty)) == 0 && !std::isnan(FValues[i]);
    };
    return NumberKeyLess(FValues[a], isNumber(a), FValues[b], isNumber(b), ascending);
}

bool TDataTable::SortCols(int SortRow, bool Ascending, int LowCol, int LowRow, int HighCol,
                          int HighRow, bool IncludeHeaders)
{
    if (!ContainsRow(SortRow))
        return false;
    return SortColumnsBy(
        [&](int a, int b) { return CellLess(Index(a, SortRow), Index(b, SortRow), Ascending); },
        LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

bool TDataTable::SortRows(int SortCol, bool Ascending, int LowCol, int LowRow, int HighCol,
                          int HighRow, bool IncludeHeaders)
{
    if (!ContainsColumn(SortCol))
        return false;
    return SortRowsBy(
        [&](int a, int b) { return CellLess(Index(SortCol, a), Index(SortCol, b), Ascending); },
        LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

bool TDataTable::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol,
                                   int HighRow)
{
    return SortColumnsBy(
        [&](int a, int b) {
            const quint8 x = GetColAttrib(a), y = GetColAttrib(b);
            return Ascending ? x < y : y < x;
        },
        LowCol, LowRow, HighCol, HighRow, true);
}

bool TDataTable::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol,
                                   int HighRow)
{
    return SortRowsBy(
        [&](int a, int b) {
            const quint8 x = GetRowAttrib(a), y = GetRowAttrib(b);
            return Ascending ? x < y : y < x;
        },
        LowCol, LowRow, HighCol, HighRow, true);
}

bool TDataTable::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow,
                              int HighCol, int HighRow)
{
    return SortColumnsBy(
        [&](int a, int b) {
            const int order = GetColName(a).compare(GetColName(b), Sensitivity(IgnoreCase));
            return Ascending ? order < 0 : order > 0;
        },
        LowCol, LowRow, HighCol, HighRow, true);
}

bool TDataTable::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow,
                              int HighCol, int HighRow)
{
    return SortRowsBy(
        [&](int a, int b) {
            const int order = GetRowName(a).compare(GetRowName(b), Sensitivity(IgnoreCase));
            return Ascending ? order < 0 : order > 0;
        },
        LowCol, LowRow, HighCol, HighRow, true);
}

int TDataTable::FindColIndex(const TDTNameStr& Name) const
{
    const QString wanted = Name.left(MaxNameLength);
    for (int c = 1; c <= FNrCols; ++c)
        if (FColumns[std::size_t(c - 1)].Name == wanted)
            return c;
    return 0;
}

int TDataTable::FindRowIndex(const TDTNameStr& Name) const
{
    const QString wanted = Name.left(MaxNameLength);
    if (FRowNames.empty())
        return wanted.isEmpty() && FNrRows > 0 ? 1 : 0;
    for (int r = 1; r <= FNrRows; ++r)
        if (FRowNames[std::size_t(r - 1)] == wanted)
            return r;
    return 0;
}

} // namespace vek
