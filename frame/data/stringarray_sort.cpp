// Sorting of TStringArray: keys are built once per column, then the presented rows are
// ordered by a stable sort of their positions.
#include "stringarray.h"

#include "rowblock_p.h"
#include "sortkeys_p.h"

#include <algorithm>
#include <array>

namespace vek {

namespace {

struct Item {
    std::uint64_t Order;
    int Row;
    std::uint8_t Kind;
};
using Items = std::vector<Item>;

// Stable sort of items of one kind by Order. Text ranks stay below the number of rows:
// those are counted into place in two passes, far quicker than a merge sort of a
// million items; numbers' bits are merge sorted.
void SortByOrder(Items::iterator first, Items::iterator last, bool ascending)
{
    const std::size_t count = std::size_t(last - first);
    if (count < 2)
        return;
    const auto highest = std::max_element(first, last, [](const Item& a, const Item& b) { return a.Order < b.Order; });
    if (highest->Order >= 2 * count) {
        std::stable_sort(first, last, [ascending](const Item& a, const Item& b) {
            return ascending ? a.Order < b.Order : a.Order > b.Order;
        });
        return;
    }
    const std::size_t top = std::size_t(highest->Order);
    const auto slot = [&](const Item& item) { return ascending ? std::size_t(item.Order) : top - std::size_t(item.Order); };
    std::vector<std::size_t> start(top + 2, 0);
    for (auto it = first; it != last; ++it)
        ++start[slot(*it) + 1];
    for (std::size_t i = 1; i < start.size(); ++i)
        start[i] += start[i - 1];
    Items sorted(count);
    for (auto it = first; it != last; ++it)
        sorted[start[slot(*it)]++] = *it;
    std::copy(sorted.begin(), sorted.end(), first);
}

// Stable sort of items by kind (numbers, texts, empty cells), then Order.
void SortItems(Items::iterator first, Items::iterator last, bool ascending)
{
    constexpr int kKinds = 3;
    std::array<Items, kKinds> byKind;
    for (auto it = first; it != last; ++it)
        byKind[std::size_t(std::min<int>(it->Kind, kKinds - 1))].push_back(*it);
    auto at = first;
    for (int k = 0; k < kKinds; ++k) {
        Items& group = byKind[std::size_t(ascending ? k : kKinds - 1 - k)];
        const auto begin = at;
        at = std::copy(group.begin(), group.end(), at);
        group = {};
        SortByOrder(begin, at, ascending);
    }
}

// Stable sort of rows (indices of the keys) by their keys. Rows with equal primary keys
// are ordered by the secondary keys.
void SortRows(std::vector<int>& rows, const sortkeys::TColumnKeys& primary,
              const sortkeys::TColumnKeys* secondary, bool ascending)
{
    Items items(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        items[i] = Item{primary.OrderOf(rows[i]), rows[i], primary.KindOf(rows[i])};
    SortItems(items.begin(), items.end(), ascending);
    if (secondary) {
        for (auto b = items.begin(); b != items.end();) {
            const auto e = std::find_if(b, items.end(), [&](const Item& item) {
                return item.Kind != b->Kind || item.Order != b->Order;
            });
            for (auto it = b; it != e && e - b > 1; ++it)
                *it = Item{secondary->OrderOf(it->Row), it->Row, secondary->KindOf(it->Row)};
            if (e - b > 1)
                SortItems(b, e, ascending);
            b = e;
        }
    }
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = items[i].Row;
}

} // namespace

void TStringArray::Sort(int Col, int ColSec, bool Ascending)
{
    if (Col < 0 || Col > FNrCols || FRows.empty())
        return;
    const int rowCount = NrOfRows();
    const auto progress = [this](int percent) {
        if (OnPercentDone)
            OnPercentDone(this, percent);
    };
    // Keys are built in stored order, which walks the row blocks as they lie in memory.
    // The handler is asked once per cell; its answers are kept for the key building.
    std::vector<QString> exchanged;
    const auto textsOf = [&](int col) -> sortkeys::TColumnKeys::TTextSource {
        if (!OnBeforeSortExchange)
            return [this, col](int row, QString&) { return rowblock::Cell(FRows[std::size_t(row)], col); };
        exchanged.assign(std::size_t(rowCount), QString());
        for (int row = 0; row < rowCount; ++row) {
            const QString cellText = rowblock::Cell(FRows[std::size_t(row)], col).toString();
            QString& sortText = exchanged[std::size_t(row)];
            sortText = cellText;
            OnBeforeSortExchange(this, cellText, sortText);
        }
        return [&exchanged](int row, QString&) { return QStringView(exchanged[std::size_t(row)]); };
    };
    progress(0);
    sortkeys::TColumnKeys primary;
    primary.Build(rowCount, textsOf(Col));
    progress(30);
    const bool hasSecondary = ColSec >= 0 && ColSec <= FNrCols && ColSec != Col;
    sortkeys::TColumnKeys secondary;
    if (hasSecondary)
        secondary.Build(rowCount, textsOf(ColSec));
    progress(60);

    std::vector<int> order(static_cast<std::size_t>(rowCount));
    for (int i = 0; i < rowCount; ++i)
        order[std::size_t(i)] = StoredIndex(i + 1);
    SortRows(order, primary, hasSecondary ? &secondary : nullptr, Ascending);
    progress(90);

    std::vector<int> position(static_cast<std::size_t>(rowCount));
    for (int i = 0; i < rowCount; ++i)
        position[std::size_t(order[std::size_t(i)])] = i;
    FOrder = std::move(order);
    FPosition = std::move(position);
    progress(100);
    LayoutChanged();
    Changed();
}

} // namespace vek
