// TStringArray: a table of short texts (at most 255 UTF-16 code units per cell) addressed
// (column, row), made for report lists of a million rows and more.
//
// Columns run 1..NrOfColumns() plus an extra column 0 that belongs to the row (a hidden
// per-row text); rows run 1..NrOfRows(). Every row and every column also carries one
// attribute byte. Reads outside the table give "" (or 0) and writes outside it are
// ignored.
//
// Storage: each row is one heap block holding its cells one after the other as
// [length][UTF-16 code units], and a row whose cells are all empty holds no block at all.
// A cell of n characters therefore costs 2n + 2 bytes, plus the row's share of the block
// header, the row pointer, its attribute byte and its sort position: a few bytes per
// cell, far below a QString per cell.
//
// Sorting never moves the stored rows: Sort builds a permutation (the presented order),
// UnSort drops it and CommitSorting makes the presented order the stored order. All row
// numbers of the accessors mean the row as presented; attribute bytes and column 0
// travel with their rows.
#pragma once

#include "containers.h"
#include <frame/core/types.h>

#include <QObject>
#include <QString>
#include <QStringView>

#include <cstddef>
#include <functional>
#include <vector>

namespace vek {

class TRowBuilder;

/// Progress of a long operation, Percent 0..100.
using TOnPercentDoneEvent = std::function<void(TObject* Sender, int Percent)>;

/// The table of texts behind a report list (see the top of this file). Its owner (TRLData)
/// hooks the three events and passes them on as its own events and signals.
class VEK_EXPORT TStringArray : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxCellLength = 255; ///< UTF-16 code units per cell
    static constexpr int MaxColumns = 65535;  ///< columns besides column 0
    /// Rows at the most: each row costs its bookkeeping (up to 14 bytes) even while empty, and
    /// the system hands out address space it may never back (a count near INT_MAX would
    /// end in the out-of-memory killer, not in an error).
    static constexpr int MaxRows = 100'000'000;

    /// An empty array: no columns besides column 0, no rows.
    explicit TStringArray(QObject* owner = nullptr);
    ~TStringArray() override;
    TStringArray(const TStringArray&) = delete;
    TStringArray& operator=(const TStringArray&) = delete;

    /// Rows are reserved in blocks of this many (at least 1).
    int AllocRowsBy = 1;
    void SetAllocRowsBy(int n) { AllocRowsBy = n < 1 ? 1 : n; }

    /// Columns besides column 0 (default 0).
    int NrOfColumns() const { return FNrCols; }
    /// Rows (default 0).
    int NrOfRows() const { return static_cast<int>(FRows.size()); }

    /// Makes the array Cols columns (plus column 0) by Rows rows, keeping the cells that
    /// lie inside both sizes. The rows that stay are the first Rows rows as presented, in
    /// their presented order: a sorted array stays sorted (new rows are presented last)
    /// and UnSort returns the remaining rows to their stored order. Raises EVEKError when the size is not possible
    /// (negative, more than MaxColumns columns or MaxRows rows, out of memory); the array is
    /// then unchanged.
    void Resize(int Cols, int Rows);

    /// Empties every cell; size, attributes and order stay.
    void Clear();

    /// Copies size, cells, attributes, presented order and AllocRowsBy of Source.
    /// Raises EVEKError when memory runs out (the array is then unchanged).
    void Assign(const TStringArray& Source);

    /// Exchanges size, cells, attributes, order and AllocRowsBy with Other (not the
    /// event handlers).
    void Swap(TStringArray& Other);

    /// The text of a cell ("" outside the table).
    QString GetString(int Col, int Row) const { return CellView(Col, Row).toString(); }
    /// The cell without copying; valid until the array is next changed.
    QStringView CellView(int Col, int Row) const;
    /// Stores s, cut to MaxCellLength code units (never inside a surrogate pair).
    void SetString(int Col, int Row, const QString& s);
    /// Replaces every cell of Row by the cells of a builder started with this array's
    /// NrOfColumns (a builder of another width is ignored). Throws std::bad_alloc when
    /// memory runs out (the row is then unchanged).
    void SetRow(int Row, const TRowBuilder& Cells);
    /// s as a cell stores it: cut to MaxCellLength code units, never inside a surrogate
    /// pair.
    static QStringView CellText(QStringView s);

    /// The attribute byte of a row (it travels with the row); 0 outside, default 0.
    quint8 GetRowAttrib(int Row) const;
    void SetRowAttrib(int Row, quint8 Value);
    /// The attribute byte of a column 0..NrOfColumns; 0 outside, default 0.
    quint8 GetColAttrib(int Col) const;
    void SetColAttrib(int Col, quint8 Value);

    /// The cell as a number: leading and trailing blanks are ignored; digits with an
    /// optional sign, decimal point ('.' or the locale's separator) and exponent. 0 for
    /// any other text.
    double GetAsNumber(int Col, int Row) const;
    /// Whether s reads as a number by GetAsNumber's rule, and its value.
    static bool TextToNumber(QStringView s, double& value);

    /// Inserts an empty row before Row (Row = NrOfRows() + 1 appends). Commits the order.
    void InsertRow(int Row);
    /// Removes Row. Commits the order first.
    void RemoveRow(int Row);
    /// Removes every row (as presented) for which Remove(Row) is true, in one pass.
    /// Commits the order first. Returns the number of rows removed.
    int RemoveRowsIf(const std::function<bool(int Row)>& Remove);

    /// Orders the rows stably by column Col, ties by column ColSec (-1: none), in the given
    /// direction; rows equal in both keep their present order. Cells that read as numbers
    /// (GetAsNumber's rule) sort before texts and compare as numbers; texts compare by
    /// the current locale, case-insensitively, with embedded digit runs compared as
    /// numbers ("file9" before "file10"); empty cells come last. Descending is the exact
    /// reverse. OnBeforeSortExchange may replace each cell's sort text.
    void Sort(int Col, int ColSec, bool Ascending);
    /// Returns to the stored order.
    void UnSort();
    /// Makes the presented order the stored order.
    void CommitSorting();
    /// Whether a presented order differs from the stored one (after Sort or SetSortOrder).
    bool IsSorted() const { return !FOrder.empty(); }
    /// The stored row (1-based) presented at Row; 0 outside the table.
    int GetSortOrder(int Row) const;
    /// Presents stored row Index at Row. The row that presented Index before gets Row's
    /// former stored row, so the order stays a permutation.
    void SetSortOrder(int Row, int Index);

    /// Whether a view hides the row (the result of a filter). This is view state, not
    /// data: it is not an attribute byte, documents and Assign of the cells do not carry
    /// it, but it travels with its row through sorting, insertion and removal. New rows
    /// are shown. Changing it raises no OnChange (the cells did not change); it advances
    /// LayoutStamp.
    bool RowHidden(int Row) const;
    void SetRowHidden(int Row, bool Hidden);
    /// Advances whenever the rows, their presented order or their hidden flags change
    /// (cell writes leave it alone): a view keeps the stamp it built its row map at and
    /// rebuilds the map when the stamp moved.
    quint64 LayoutStamp() const { return FLayoutStamp; }

    /// Bytes held by the cells, rows and order (for measurements).
    std::size_t MemoryUsed() const;

    /// Raised after cells, size or order changed.
    TNotifyEvent OnChange;
    /// Progress of Sort.
    TOnPercentDoneEvent OnPercentDone;
    /// Asked for each cell's sort text while Sort builds its keys.
    TBeforeSortExchgEvent OnBeforeSortExchange;

private:
    // The storage stays in the object rather than behind a private pointer: every cell
    // access reads it, and a paint or sort of a million rows should not pay an extra
    // indirection per cell.
    bool ContainsCell(int col, int row) const;
    bool ContainsRow(int row) const { return row >= 1 && row <= NrOfRows(); }
    int StoredIndex(int row) const { return FOrder.empty() ? row - 1 : FOrder[row - 1]; }
    void Changed();
    // The rows, their order or their hidden flags changed (before Changed, if any).
    void LayoutChanged() { ++FLayoutStamp; }
    void FreeRows();
    void KeepPresentedRows(std::size_t count);
    void ExtendOrder(std::size_t rows);

    int FNrCols = 0;
    std::vector<char16_t*> FRows;  // stored order; nullptr = every cell empty
    // Stored order. Low byte: the attribute byte; high byte: view flags that travel with
    // the row but are not data (RowHidden).
    std::vector<quint16> FRowAttr;
    static constexpr quint16 RowAttribMask = 0x00FF, RowHiddenFlag = 0x0100;
    std::vector<quint8> FColAttr;  // columns 0..FNrCols
    std::vector<int> FOrder;       // presented row -> stored row (0-based); empty = identity
    std::vector<int> FPosition;    // stored row -> presented row, kept while sorted
    quint64 FLayoutStamp = 0;
};

} // namespace vek
