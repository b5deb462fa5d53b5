// Sorting of TStringArray: keys are built once per column, then the presented rows are
// ordered by a stable sort of their positions.
#include "stringarray.h"

#include "sortkeys_p.h"

#include <algorithm>

namespace vek {

void TStringArray::Sort(int Col, int ColSec, bool Ascending)
{
    if (Col < 0 || Col > FNrCols || FRows.empty())
        return;
    const int rowCount = NrOfRows();
    const auto progress = [this](int percent) {
        if (OnPercentDone)
            OnPercentDone(this, percent);
    };
    // The handler is asked once per cell; its answers are kept for the key building.
    std::vector<QString> exchanged;
    const auto textsOf = [&](int col) -> sortkeys::TColumnKeys::TTextSource {
        if (!OnBeforeSortExchange)
            return [this, col](int row, QString&) { return CellView(col, row + 1); };
        exchanged.assign(std::size_t(rowCount), QString());
        for (int row = 0; row < rowCount; ++row) {
            const QString cellText = GetString(col, row + 1);
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

    std::vector<int> presented(static_cast<std::size_t>(rowCount));
    for (int i = 0; i < rowCount; ++i)
        presented[std::size_t(i)] = i;
    std::stable_sort(presented.begin(), presented.end(), [&](int a, int b) {
        int c = primary.Compare(a, b);
        if (c == 0 && hasSecondary)
            c = secondary.Compare(a, b);
        return Ascending ? c < 0 : c > 0;
    });
    progress(90);

    std::vector<int> order(static_cast<std::size_t>(rowCount));
    std::vector<int> position(static_cast<std::size_t>(rowCount));
    for (int i = 0; i < rowCount; ++i) {
        const int stored = StoredIndex(presented[std::size_t(i)] + 1);
        order[std::size_t(i)] = stored;
        position[std::size_t(stored)] = i;
    }
    FOrder = std::move(order);
    FPosition = std::move(position);
    progress(100);
    Changed();
}

} // namespace vek
