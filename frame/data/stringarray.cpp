#include "stringarray.h"

#include <frame/core/errors.h>
#include "rowblock_p.h"
#include "rowbuilder.h"
#include "sortkeys_p.h"

#include <algorithm>
#include <new>

namespace vek {

namespace {

EVEKError ResizeError(int cols, int rows)
{
    return EVEKError(QStringLiteral("Cannot resize the string array to %1 columns by %2 rows")
                         .arg(cols)
                         .arg(rows));
}

} // namespace

QStringView TStringArray::CellText(QStringView s)
{
    if (s.size() <= MaxCellLength)
        return s;
    qsizetype n = MaxCellLength;
    if (s[n - 1].isHighSurrogate())
        --n;
    return s.first(n);
}

TStringArray::TStringArray(QObject* owner)
    : QObject(owner)
    , FColAttr(1, 0)
{
}

TStringArray::~TStringArray()
{
    FreeRows();
}

void TStringArray::FreeRows()
{
    for (char16_t* block : FRows)
        rowblock::Free(block);
    FRows.clear();
}

bool TStringArray::ContainsCell(int col, int row) const
{
    return col >= 0 && col <= FNrCols && ContainsRow(row);
}

void TStringArray::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TStringArray::Resize(int Cols, int Rows)
{
    if (Cols < 0 || Rows < 0 || Cols > MaxColumns || Rows > MaxRows)
        throw ResizeError(Cols, Rows);
    if (std::size_t(Rows) < FRows.size() && !FOrder.empty())
        KeepPresentedRows(std::size_t(Rows));
    const int cellCount = FNrCols + 1;
    const int newCellCount = Cols + 1;
    const std::size_t rows = std::size_t(Rows);
    std::vector<char16_t*> blocks;
    try {
        const std::size_t block = std::size_t(AllocRowsBy);
        blocks.reserve((rows + block - 1) / block * block);
        const std::size_t kept = std::min(rows, FRows.size());
        for (std::size_t r = 0; r < kept; ++r) {
            blocks.push_back(Cols == FNrCols ? FRows[r] : rowblock::Resized(FRows[r], cellCount, newCellCount));
        }
        blocks.resize(rows, nullptr);
        FRowAttr.resize(rows, 0);
        FColAttr.resize(std::size_t(newCellCount), 0);
    } catch (const std::bad_alloc&) {
        if (Cols != FNrCols)
            for (char16_t* b : blocks)
                rowblock::Free(b);
        throw ResizeError(Cols, Rows);
    }
    if (Cols != FNrCols) {
        FreeRows();
    } else {
        for (std::size_t r = rows; r < FRows.size(); ++r)
            rowblock::Free(FRows[r]);
    }
    FRows = std::move(blocks);
    FNrCols = Cols;
    ExtendOrder(rows);
    LayoutChanged();
    Changed();
}

// Cuts a sorted array to its first `count` rows as presented. The order of the rows that
// stay is kept (a sort stays a sort, UnSort still returns to their stored order).
void TStringArray::KeepPresentedRows(std::size_t count)
{
    std::vector<int> newIndex;
    try {
        newIndex.assign(FRows.size(), -1);
    } catch (const std::bad_alloc&) {
        throw ResizeError(FNrCols, int(count));
    }
    for (std::size_t p = 0; p < count; ++p)
        newIndex[std::size_t(FOrder[p])] = 0;
    std::size_t kept = 0;
    for (std::size_t r = 0; r < FRows.size(); ++r) {
        if (newIndex[r] < 0) {
            rowblock::Free(FRows[r]);
            continue;
        }
        newIndex[r] = int(kept);
        FRows[kept] = FRows[r];
        FRowAttr[kept] = FRowAttr[r];
        ++kept;
    }
    FRows.resize(kept);
    FRowAttr.resize(kept);
    FOrder.resize(count);
    FPosition.resize(count);
    for (std::size_t p = 0; p < count; ++p) {
        FOrder[p] = newIndex[std::size_t(FOrder[p])];
        FPosition[std::size_t(FOrder[p])] = int(p);
    }
}

// Rows added to a sorted array are presented after the sorted ones, in stored order.
void TStringArray::ExtendOrder(std::size_t rows)
{
    if (FOrder.empty())
        return;
    for (std::size_t r = FOrder.size(); r < rows; ++r) {
        FOrder.push_back(int(r));
        FPosition.push_back(int(r));
    }
}

void TStringArray::Clear()
{
    for (char16_t*& block : FRows) {
        rowblock::Free(block);
        block = nullptr;
    }
    Changed();
}

void TStringArray::Assign(const TStringArray& Source)
{
    if (&Source == this)
        return;
    std::vector<char16_t*> blocks;
    try {
        blocks.reserve(Source.FRows.capacity());
        for (const char16_t* block : Source.FRows)
            blocks.push_back(rowblock::Copy(block, Source.FNrCols + 1));
        std::vector<quint16> rowAttr = Source.FRowAttr;
        for (quint16& word : rowAttr) // a copy starts with every row shown
            word &= RowAttribMask;
        std::vector<quint8> colAttr = Source.FColAttr;
        std::vector<int> order = Source.FOrder;
        std::vector<int> position = Source.FPosition;
        FreeRows();
        FRows = std::move(blocks);
        FRowAttr = std::move(rowAttr);
        FColAttr = std::move(colAttr);
        FOrder = std::move(order);
        FPosition = std::move(position);
    } catch (const std::bad_alloc&) {
        for (char16_t* b : blocks)
            rowblock::Free(b);
        throw ResizeError(Source.FNrCols, Source.NrOfRows());
    }
    FNrCols = Source.FNrCols;
    AllocRowsBy = Source.AllocRowsBy;
    LayoutChanged();
    Changed();
}

void TStringArray::Swap(TStringArray& Other)
{
    std::swap(FNrCols, Other.FNrCols);
    std::swap(AllocRowsBy, Other.AllocRowsBy);
    FRows.swap(Other.FRows);
    FRowAttr.swap(Other.FRowAttr);
    FColAttr.swap(Other.FColAttr);
    FOrder.swap(Other.FOrder);
    FPosition.swap(Other.FPosition);
    LayoutChanged();
    Other.LayoutChanged();
    Changed();
    Other.Changed();
}

QStringView TStringArray::CellView(int Col, int Row) const
{
    if (!ContainsCell(Col, Row))
        return {};
    return rowblock::Cell(FRows[std::size_t(StoredIndex(Row))], Col);
}

void TStringArray::SetString(int Col, int Row, const QString& s)
{
    if (!ContainsCell(Col, Row))
        return;
    char16_t*& block = FRows[std::size_t(StoredIndex(Row))];
    const QStringView text = CellText(s);
    if (rowblock::Cell(block, Col) == text)
        return;
    char16_t* changed = rowblock::WithCell(block, FNrCols + 1, Col, text);
    rowblock::Free(block);
    block = changed;
    Changed();
}

void TStringArray::SetRow(int Row, const TRowBuilder& Cells)
{
    if (!ContainsRow(Row) || Cells.NrOfColumns() != FNrCols)
        return;
    // the cells not set yet are empty: Resized appends them as such
    char16_t* filled = rowblock::Resized(Cells.FUnits.data(), Cells.FNextCol, FNrCols + 1);
    char16_t*& block = FRows[std::size_t(StoredIndex(Row))];
    rowblock::Free(block);
    block = filled;
    Changed();
}

quint8 TStringArray::GetRowAttrib(int Row) const
{
    return ContainsRow(Row) ? quint8(FRowAttr[std::size_t(StoredIndex(Row))]) : 0;
}

void TStringArray::SetRowAttrib(int Row, quint8 Value)
{
    if (!ContainsRow(Row))
        return;
    quint16& word = FRowAttr[std::size_t(StoredIndex(Row))];
    word = quint16((word & ~RowAttribMask) | Value);
}

bool TStringArray::RowHidden(int Row) const
{
    return ContainsRow(Row) && (FRowAttr[std::size_t(StoredIndex(Row))] & RowHiddenFlag);
}

void TStringArray::SetRowHidden(int Row, bool Hidden)
{
    if (!ContainsRow(Row))
        return;
    quint16& word = FRowAttr[std::size_t(StoredIndex(Row))];
    word = Hidden ? quint16(word | RowHiddenFlag) : quint16(word & ~RowHiddenFlag);
    LayoutChanged();
}

quint8 TStringArray::GetColAttrib(int Col) const
{
    return Col >= 0 && Col <= FNrCols ? FColAttr[std::size_t(Col)] : 0;
}

void TStringArray::SetColAttrib(int Col, quint8 Value)
{
    if (Col >= 0 && Col <= FNrCols)
        FColAttr[std::size_t(Col)] = Value;
}

double TStringArray::GetAsNumber(int Col, int Row) const
{
    double value = 0;
    return TextToNumber(CellView(Col, Row), value) ? value : 0.0;
}

bool TStringArray::TextToNumber(QStringView s, double& value)
{
    return sortkeys::ReadNumber(s, value);
}

void TStringArray::InsertRow(int Row)
{
    if (Row < 1 || Row > NrOfRows() + 1)
        return;
    CommitSorting();
    FRows.insert(FRows.begin() + (Row - 1), nullptr);
    FRowAttr.insert(FRowAttr.begin() + (Row - 1), 0);
    LayoutChanged();
    Changed();
}

void TStringArray::RemoveRow(int Row)
{
    if (!ContainsRow(Row))
        return;
    CommitSorting();
    rowblock::Free(FRows[std::size_t(Row - 1)]);
    FRows.erase(FRows.begin() + (Row - 1));
    FRowAttr.erase(FRowAttr.begin() + (Row - 1));
    LayoutChanged();
    Changed();
}

int TStringArray::RemoveRowsIf(const std::function<bool(int Row)>& Remove)
{
    CommitSorting();
    std::size_t kept = 0;
    for (std::size_t r = 0; r < FRows.size(); ++r) {
        if (Remove(int(r) + 1)) {
            rowblock::Free(FRows[r]);
            continue;
        }
        FRows[kept] = FRows[r];
        FRowAttr[kept] = FRowAttr[r];
        ++kept;
    }
    const int removed = int(FRows.size() - kept);
    FRows.resize(kept);
    FRowAttr.resize(kept);
    if (removed > 0) {
        LayoutChanged();
        Changed();
    }
    return removed;
}

int TStringArray::GetSortOrder(int Row) const
{
    return ContainsRow(Row) ? StoredIndex(Row) + 1 : 0;
}

void TStringArray::SetSortOrder(int Row, int Index)
{
    if (!ContainsRow(Row) || !ContainsRow(Index))
        return;
    if (FOrder.empty()) {
        FOrder.resize(FRows.size());
        FPosition.resize(FRows.size());
        for (std::size_t i = 0; i < FOrder.size(); ++i)
            FOrder[i] = FPosition[i] = int(i);
    }
    const int other = FPosition[std::size_t(Index - 1)];
    const int previous = FOrder[std::size_t(Row - 1)];
    std::swap(FOrder[std::size_t(Row - 1)], FOrder[std::size_t(other)]);
    FPosition[std::size_t(Index - 1)] = Row - 1;
    FPosition[std::size_t(previous)] = other;
    LayoutChanged();
    Changed();
}

void TStringArray::UnSort()
{
    FOrder.clear();
    FOrder.shrink_to_fit();
    FPosition.clear();
    FPosition.shrink_to_fit();
    LayoutChanged();
    Changed();
}

void TStringArray::CommitSorting()
{
    if (FOrder.empty())
        return;
    std::vector<char16_t*> rows(FRows.size());
    std::vector<quint16> attr(FRows.size());
    for (std::size_t r = 0; r < FOrder.size(); ++r) {
        rows[r] = FRows[std::size_t(FOrder[r])];
        attr[r] = FRowAttr[std::size_t(FOrder[r])];
    }
    FRows = std::move(rows);
    FRowAttr = std::move(attr);
    FOrder.clear();
    FPosition.clear();
    LayoutChanged();
}

std::size_t TStringArray::MemoryUsed() const
{
    std::size_t bytes = sizeof(*this);
    bytes += FRows.capacity() * sizeof(char16_t*) + FRowAttr.capacity() * sizeof(quint16);
    bytes += FColAttr.capacity();
    bytes += (FOrder.capacity() + FPosition.capacity()) * sizeof(int);
    for (const char16_t* block : FRows)
        bytes += rowblock::AllocatedBytes(block, FNrCols + 1);
    return bytes;
}

} // namespace vek
