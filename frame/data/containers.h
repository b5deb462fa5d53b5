// Small containers shared by the controls: a resizable bit set (selection of thumbnail
// slides), an integer matrix (the mini calendar's holiday list), the logic operators of
// the report list filter and the string array's sort hook.
#pragma once

#include <frame/core/types.h>

#include <QString>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace vek {

/// A resizable set of bits with indices 0..Size()-1. Reads outside the size give false and
/// writes outside it are ignored, so callers need not check indices they derive from
/// mouse positions or scroll offsets. The set keeps its runs of true bits, not a bit per
/// index: its memory grows with the number of runs, whatever the size, so a selection
/// among a hundred million slides costs as little as one among a hundred.
class VEK_EXPORT TBitFld {
public:
    /// Size bits, all false.
    explicit TBitFld(int Size = 0);

    /// Changes the number of bits; bits below the new size keep their values, new bits are
    /// false. A negative size counts as 0.
    void SetSize(int Size);
    /// Number of bits (default as constructed).
    int Size() const { return FSize; }

    /// Sets every bit to false; the size stays.
    void Clear();

    /// One bit; false outside the size (writes there are ignored).
    bool GetBit(int Index) const;
    void SetBit(int Index, bool Value);
    /// Bits From..To (both included, in either order) at once; the part outside the size
    /// is ignored. Takes as long as one SetBit (and the runs it merges), however many
    /// bits it covers.
    void SetBits(int From, int To, bool Value);

    /// Number of bits that are true.
    int CountTrueBits() const { return int(FTrueBits); }

    /// Index of the lowest true bit, or -1 when no bit is true.
    int FirstTrueBit() const;

private:
    /// Runs of true bits: first index -> one past the last, apart and not touching.
    std::map<int, int> FRuns;
    qint64 FTrueBits = 0;
    int FSize = 0;
};

/// A matrix of ints addressed 1-based as (column, row), column 1..NrOfColumns() and row
/// 1..NrOfRows(). Reads outside the matrix give 0 and writes outside it are ignored.
/// New cells are 0.
class VEK_EXPORT TIntMatrix {
public:
    /// Negative sizes count as 0.
    explicit TIntMatrix(int NrColumns = 0, int NrRows = 0);

    /// Changes both dimensions; every cell inside both the old and the new size keeps its
    /// value.
    void Resize(int NrColumns, int NrRows);

    /// Changes the number of rows, keeping the columns and the values of remaining rows.
    void SetNRows(int NrRows);

    /// The dimensions.
    int NrOfColumns() const { return FNrCols; }
    int NrOfRows() const { return FNrRows; }

    /// One cell; 0 outside the matrix (writes there are ignored).
    int GetVal(int Column, int Row) const;
    void SetVal(int Column, int Row, int Value);
    /// Sets every cell to Value.
    void Fill(int Value);

private:
    bool Contains(int column, int row) const;
    static size_t CellIndex(int column, int row, int nrColumns);

    int FNrCols = 0;
    int FNrRows = 0;
    std::vector<int> FValues; // row by row
};

/// How two search results are combined (for example an application's own filter result
/// with the report list's internal search).
enum TLogicOp : int {
    loAND = 0,    ///< both
    loOR = 1,     ///< either
    loXOR = 2,    ///< exactly one
    loANDNOT = 3, ///< the first but not the second
};

/// A op B.
VEK_EXPORT bool ApplyLogicOp(TLogicOp Op, bool A, bool B);

/// Called by the string array while sorting, for each cell text it is about to compare.
/// SortText starts as CellText; the handler may replace it by the text the sort should
/// compare instead (a sort key), without changing the stored cell.
using TBeforeSortExchgEvent =
    std::function<void(TObject* Sender, const QString& CellText, QString& SortText)>;

} // namespace vek
