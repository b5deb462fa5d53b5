// Sorting of TStringArray: keys are built once per column, then the presented rows are
// ordered by a stable sort of their positions.
#include "stringarray.h"

#include "rowblock_p.h"
#include "sortkeys_p.h"

#include <algorithm>

namespace vek {

namespace {

struct Item {
    std::uint64_t Chunk;
    std::uint64_t Next; // the following chunk, read with the first one while that is cheap
    std::uint64_t Hash;
    int Row;
    std::uint16_t Length;
    std::uint8_t Kind;
};
using Items = std::vector<Item>;
using Run = std::pair<std::size_t, std::size_t>; // [first, last)

// Runs of at least two items with equal kind and chunk in [first, last).
void CollectRuns(const Items& items, std::size_t first, std::size_t last, std::vector<Run>& runs)
{
    for (std::size_t b = first; b < last;) {
        std::size_t e = b + 1;
        while (e < last && items[e].Kind == items[b].Kind && items[e].Chunk == items[b].Chunk
               && items[e].Next == items[b].Next)
            ++e;
        if (e - b > 1)
            runs.emplace_back(b, e);
        b = e;
    }
}

// Stable sort of rows (indices of the keys) by their keys, chunk by chunk: each pass
// sorts only the runs still tied, and reads each row's next chunk once per pass instead
// of once per comparison. Rows with equal primary keys are ordered by the secondary keys.
void SortRows(std::vector<int>& rows, const sortkeys::TColumnKeys& primary,
              const sortkeys::TColumnKeys* secondary, bool ascending)
{
    const auto before = [ascending](const Item& a, const Item& b) {
        if (a.Kind != b.Kind)
            return ascending ? a.Kind < b.Kind : a.Kind > b.Kind;
        if (a.Chunk != b.Chunk)
            return ascending ? a.Chunk < b.Chunk : a.Chunk > b.Chunk;
        return ascending ? a.Next < b.Next : a.Next > b.Next;
    };
    // read the keys in their own order, then arrange the items as the rows are given
    Items byKey(rows.size());
    for (int k = 0; k < int(rows.size()); ++k)
        byKey[std::size_t(k)] = Item{primary.Chunk(k, 0), primary.Chunk(k, 1), primary.HashOf(k), k,
                                     primary.LengthOf(k), primary.KindOf(k)};
    Items items(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        items[i] = byKey[std::size_t(rows[i])];
    byKey = {};
    std::stable_sort(items.begin(), items.end(), before);

    std::vector<Run> tied;
    std::vector<Run> runs;
    CollectRuns(items, 0, items.size(), runs);
    for (int level = 2; !runs.empty(); ++level) {
        std::vector<Run> next;
        for (const auto& [b, e] : runs) {
            const auto first = items.begin() + b, last = items.begin() + e;
            const bool exhausted = std::all_of(first, last, [&](const Item& it) {
                return primary.Exhausted(it.Length, level);
            });
            // duplicates are common: one look at every key settles a run of them
            const bool duplicates = !exhausted && std::all_of(first, last, [&](const Item& it) {
                return it.Hash == first->Hash && primary.Compare(it.Row, first->Row) == 0;
            });
            if (exhausted || duplicates) {
                tied.emplace_back(b, e);
                continue;
            }
            for (std::size_t i = b; i < e; ++i) {
                items[i].Chunk = primary.Chunk(items[i].Row, level);
                items[i].Next = 0;
            }
            std::stable_sort(items.begin() + b, items.begin() + e, before);
            CollectRuns(items, b, e, next);
        }
        runs = std::move(next);
    }
    // chunks with cut tokens may tie keys that differ: those runs need the whole keys
    const bool wholeKeys = !primary.ChunksExact();
    if (secondary || wholeKeys) {
        for (const auto& [b, e] : tied)
            std::stable_sort(items.begin() + b, items.begin() + e, [&](const Item& x, const Item& y) {
                int c = wholeKeys ? primary.Compare(x.Row, y.Row) : 0;
                if (c == 0 && secondary)
                    c = secondary->Compare(x.Row, y.Row);
                return ascending ? c < 0 : c > 0;
            });
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
