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

// Indices low..high, stably sorted by less; entry k is the index that ends at low + k.
template <typename Less>
std::vector<int> StableOrder(int low, int high, Less less)
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

bool TDataTable::SortColumnsBy(const TOrderOf& orderOf, int LowCol, int LowRow, int HighCol,
                               int HighRow, bool IncludeHeaders)
{
    const Range cols(LowCol, HighCol, FNrCols), rows(LowRow, HighRow, FNrRows);
    if (cols.Empty())
        return false;
    PercentDone(0);
    const std::vector<int> order = orderOf(cols.Low, cols.High);
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

bool TDataTable::SortRowsBy(const TOrderOf& orderOf, int LowCol, int LowRow, int HighCol,
                            int HighRow, bool IncludeHeaders)
{
    const Range cols(LowCol, HighCol, FNrCols), rows(LowRow, HighRow, FNrRows);
    if (rows.Empty() || cols.Empty())
        return false;
    PercentDone(0);
    const std::vector<int> order = orderOf(rows.Low, rows.High);
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

// Numbers come first, by value in the asked direction and by index among equal values
// (which makes the plain sort stable); everything that is no number follows in its
// former order, in either direction. The keys are gathered first: the cells of one
// column lie a whole row apart, and a million rows should not be compared through the
// cache misses of reading them in place.
std::vector<int> TDataTable::ValueOrder(std::size_t first, std::size_t stride, int Low, int High,
                                        bool Ascending) const
{
    struct Key {
        double Value;
        int Index;
    };
    const auto count = std::size_t(High - Low + 1);
    std::vector<Key> numbers;
    std::vector<int> others;
    numbers.reserve(count);
    std::size_t cell = first;
    for (int i = Low; i <= High; ++i, cell += stride) {
        if ((FStates[cell] & (dtsNotANumber | dtsEmpty)) == 0 && !std::isnan(FValues[cell]))
            numbers.push_back({FValues[cell], i});
        else
            others.push_back(i);
    }
    std::sort(numbers.begin(), numbers.end(), [Ascending](const Key& a, const Key& b) {
        if (a.Value != b.Value)
            return Ascending ? a.Value < b.Value : b.Value < a.Value;
        return a.Index < b.Index;
    });
    std::vector<int> order;
    order.reserve(count);
    for (const Key& key : numbers)
        order.push_back(key.Index);
    order.insert(order.end(), others.begin(), others.end());
    return order;
}

bool TDataTable::SortCols(int SortRow, bool Ascending, int LowCol, int LowRow, int HighCol,
                          int HighRow, bool IncludeHeaders)
{
    if (!ContainsRow(SortRow))
        return false;
    return SortColumnsBy(
        [&](int low, int high) { return ValueOrder(Index(low, SortRow), 1, low, high, Ascending); },
        LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

bool TDataTable::SortRows(int SortCol, bool Ascending, int LowCol, int LowRow, int HighCol,
                          int HighRow, bool IncludeHeaders)
{
    if (!ContainsColumn(SortCol))
        return false;
    return SortRowsBy(
        [&](int low, int high) {
            return ValueOrder(Index(SortCol, low), std::size_t(FNrCols), low, high, Ascending);
        },
        LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

bool TDataTable::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol,
                                   int HighRow)
{
    return SortColumnsBy(
        [&](int low, int high) {
            return StableOrder(low, high, [&](int a, int b) {
                const quint8 x = GetColAttrib(a), y = GetColAttrib(b);
                return Ascending ? x < y : y < x;
            });
        },
        LowCol, LowRow, HighCol, HighRow, true);
}

bool TDataTable::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol,
                                   int HighRow)
{
    return SortRowsBy(
        [&](int low, int high) {
            return StableOrder(low, high, [&](int a, int b) {
                const quint8 x = GetRowAttrib(a), y = GetRowAttrib(b);
                return Ascending ? x < y : y < x;
            });
        },
        LowCol, LowRow, HighCol, HighRow, true);
}

bool TDataTable::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow,
                              int HighCol, int HighRow)
{
    return SortColumnsBy(
        [&](int low, int high) {
            return StableOrder(low, high, [&](int a, int b) {
                const int order = GetColName(a).compare(GetColName(b), Sensitivity(IgnoreCase));
                return Ascending ? order < 0 : order > 0;
            });
        },
        LowCol, LowRow, HighCol, HighRow, true);
}

bool TDataTable::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow,
                              int HighCol, int HighRow)
{
    return SortRowsBy(
        [&](int low, int high) {
            return StableOrder(low, high, [&](int a, int b) {
                const int order = GetRowName(a).compare(GetRowName(b), Sensitivity(IgnoreCase));
                return Ascending ? order < 0 : order > 0;
            });
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
