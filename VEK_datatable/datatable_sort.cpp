// TDataTable: stable sorts of the columns and rows of a block, and the search by name.
// A sort orders the indices first and then moves the columns (rows) round the cycles of
// that permutation, so that each one is read and written once; the exchange hook hears
// of each step as an exchange of two columns (rows).
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

// Rotates along the cycles of the permutation (order[k] is the index that ends at
// low + k): the first index of a cycle steps aside into the spare (index 0), every other
// one moves into the place it ends at, and the first comes back into the last place
// freed. report hears each move as the exchange of the two places; exchanging them in
// that order gives the same arrangement.
template <typename Move, typename Report>
void ApplyOrder(const std::vector<int>& order, int low, Move move, Report report)
{
    std::vector<bool> done(order.size(), false);
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (done[start])
            continue;
        done[start] = true;
        if (std::size_t(order[start] - low) == start)
            continue;
        move(low + int(start), 0);
        for (std::size_t at = start;;) {
            const std::size_t from = std::size_t(order[at] - low);
            if (from == start) {
                move(0, low + int(at));
                break;
            }
            move(low + int(from), low + int(at));
            report(low + int(at), low + int(from));
            done[from] = true;
            at = from;
        }
    }
}

// The order maker for a sort by compare(a, b) (negative, zero or positive) in the asked
// direction; equal indices keep their order.
template <typename Compare>
auto StableOrderBy(Compare compare, bool ascending)
{
    return [compare, ascending](int low, int high) {
        return StableOrder(low, high, [&](int a, int b) {
            const int order = compare(a, b);
            return ascending ? order < 0 : order > 0;
        });
    };
}

Qt::CaseSensitivity Sensitivity(bool ignoreCase)
{
    return ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

} // namespace

bool TDataTable::SortLinesBy(bool columns, const TOrderOf& orderOf, int LowCol, int LowRow,
                             int HighCol, int HighRow, bool IncludeHeaders)
{
    const Range cols(LowCol, HighCol, FNrCols), rows(LowRow, HighRow, FNrRows);
    const Range& moved = columns ? cols : rows;
    const Range& across = columns ? rows : cols;
    if (cols.Empty() || rows.Empty())
        return false;
    PercentDone(0);
    const std::vector<int> order = orderOf(moved.Low, moved.High);
    PercentDone(50);
    const int kind = columns ? (IncludeHeaders ? ekColumnsWithHeaders : ekColumns)
                             : (IncludeHeaders ? ekRowsWithHeaders : ekRows);
    Spare spare;
    spare.Values.resize(std::size_t(across.High - across.Low + 1));
    spare.States.resize(spare.Values.size());
    ApplyOrder(
        order, moved.Low,
        [&](int from, int to) {
            if (columns)
                MoveColumn(spare, from, to, across.Low, across.High, IncludeHeaders);
            else
                MoveRow(spare, from, to, across.Low, across.High, IncludeHeaders);
        },
        [&](int a, int b) {
            if (OnSortExchange)
                OnSortExchange(this, kind, across.Low, across.High, a, b);
        });
    PercentDone(100);
    Changed();
    if (IncludeHeaders)
        SetupChanged();
    return true;
}

void TDataTable::MoveColumn(Spare& spare, int from, int to, int LowRow, int HighRow, bool headers)
{
    for (int r = LowRow; r <= HighRow; ++r) {
        const std::size_t k = std::size_t(r - LowRow);
        double& source = from ? FValues[Index(from, r)] : spare.Values[k];
        quint8& sourceState = from ? FStates[Index(from, r)] : spare.States[k];
        (to ? FValues[Index(to, r)] : spare.Values[k]) = source;
        (to ? FStates[Index(to, r)] : spare.States[k]) = sourceState;
    }
    if (headers)
        (to ? FColumns[std::size_t(to - 1)] : spare.Header) =
            std::move(from ? FColumns[std::size_t(from - 1)] : spare.Header);
}

void TDataTable::MoveRow(Spare& spare, int from, int to, int LowCol, int HighCol, bool headers)
{
    const auto count = std::size_t(HighCol - LowCol + 1);
    auto values = [&](int r) { return r ? &FValues[Index(LowCol, r)] : spare.Values.data(); };
    auto states = [&](int r) { return r ? &FStates[Index(LowCol, r)] : spare.States.data(); };
    std::copy_n(values(from), count, values(to));
    std::copy_n(states(from), count, states(to));
    if (!headers)
        return;
    auto attrib = [&](int r) -> quint8& { return r ? FRowAttribs[std::size_t(r - 1)] : spare.RowAttrib; };
    attrib(to) = attrib(from);
    if (!FRowNames.empty()) {
        auto name = [&](int r) -> QString& { return r ? FRowNames[std::size_t(r - 1)] : spare.RowName; };
        name(to) = std::move(name(from));
    }
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
    return SortLinesBy(
        true,
        [&](int low, int high) { return ValueOrder(Index(low, SortRow), 1, low, high, Ascending); },
        LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

bool TDataTable::SortRows(int SortCol, bool Ascending, int LowCol, int LowRow, int HighCol,
                          int HighRow, bool IncludeHeaders)
{
    if (!ContainsColumn(SortCol))
        return false;
    return SortLinesBy(
        false,
        [&](int low, int high) {
            return ValueOrder(Index(SortCol, low), std::size_t(FNrCols), low, high, Ascending);
        },
        LowCol, LowRow, HighCol, HighRow, IncludeHeaders);
}

bool TDataTable::SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol,
                                   int HighRow)
{
    const auto compare = [this](int a, int b) { return GetColAttrib(a) - GetColAttrib(b); };
    return SortLinesBy(true, StableOrderBy(compare, Ascending), LowCol, LowRow, HighCol, HighRow,
                       true);
}

bool TDataTable::SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol,
                                   int HighRow)
{
    const auto compare = [this](int a, int b) { return GetRowAttrib(a) - GetRowAttrib(b); };
    return SortLinesBy(false, StableOrderBy(compare, Ascending), LowCol, LowRow, HighCol,
                       HighRow, true);
}

bool TDataTable::SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow,
                              int HighCol, int HighRow)
{
    const auto compare = [this, cs = Sensitivity(IgnoreCase)](int a, int b) {
        return GetColName(a).compare(GetColName(b), cs);
    };
    return SortLinesBy(true, StableOrderBy(compare, Ascending), LowCol, LowRow, HighCol, HighRow,
                       true);
}

bool TDataTable::SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow,
                              int HighCol, int HighRow)
{
    const auto compare = [this, cs = Sensitivity(IgnoreCase)](int a, int b) {
        return GetRowName(a).compare(GetRowName(b), cs);
    };
    return SortLinesBy(false, StableOrderBy(compare, Ascending), LowCol, LowRow, HighCol,
                       HighRow, true);
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
