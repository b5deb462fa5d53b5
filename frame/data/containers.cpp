#include "containers.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace vek {

// ---- TBitFld ----

TBitFld::TBitFld(int Size)
{
    SetSize(Size);
}

void TBitFld::SetSize(int Size)
{
    const int size = std::max(Size, 0);
    if (size < FSize)
        SetBits(size, FSize - 1, false);
    FSize = size;
}

void TBitFld::Clear()
{
    FRuns.clear();
    FTrueBits = 0;
}

bool TBitFld::GetBit(int Index) const
{
    auto run = FRuns.upper_bound(Index);
    if (run == FRuns.begin())
        return false;
    --run;
    return Index < run->second;
}

void TBitFld::SetBit(int Index, bool Value)
{
    SetBits(Index, Index, Value);
}

// The runs that overlap or touch [from, end) are taken out, which leaves [first, last)
// free of runs: setting puts back one run over all of it, clearing the parts of it on
// either side of [from, end).
void TBitFld::SetBits(int From, int To, bool Value)
{
    if (From > To)
        std::swap(From, To);
    const int from = std::max(From, 0);
    const int end = int(std::min<qint64>(qint64(To) + 1, FSize));
    if (from >= end)
        return;
    auto run = FRuns.upper_bound(from);
    if (run != FRuns.begin() && std::prev(run)->second >= from)
        --run;
    int first = from, last = end;
    while (run != FRuns.end() && run->first <= end) {
        first = std::min(first, run->first);
        last = std::max(last, run->second);
        FTrueBits -= run->second - run->first;
        run = FRuns.erase(run);
    }
    const auto add = [this](int begin, int stop) {
        if (begin < stop) {
            FRuns.emplace(begin, stop);
            FTrueBits += stop - begin;
        }
    };
    if (Value) {
        add(first, last);
    } else {
        add(first, from);
        add(end, last);
    }
}

int TBitFld::FirstTrueBit() const
{
    return FRuns.empty() ? -1 : FRuns.begin()->first;
}

// ---- TIntMatrix ----

TIntMatrix::TIntMatrix(int NrColumns, int NrRows)
{
    Resize(NrColumns, NrRows);
}

void TIntMatrix::Resize(int NrColumns, int NrRows)
{
    const int newCols = std::max(NrColumns, 0);
    const int newRows = std::max(NrRows, 0);
    std::vector<int> values(size_t(newCols) * size_t(newRows), 0);
    const int keptCols = std::min(FNrCols, newCols);
    const int keptRows = std::min(FNrRows, newRows);
    for (int row = 1; row <= keptRows; ++row)
        for (int col = 1; col <= keptCols; ++col)
            values[CellIndex(col, row, newCols)] = GetVal(col, row);
    FNrCols = newCols;
    FNrRows = newRows;
    FValues = std::move(values);
}

void TIntMatrix::SetNRows(int NrRows)
{
    Resize(FNrCols, NrRows);
}

int TIntMatrix::GetVal(int Column, int Row) const
{
    return Contains(Column, Row) ? FValues[CellIndex(Column, Row, FNrCols)] : 0;
}

void TIntMatrix::SetVal(int Column, int Row, int Value)
{
    if (Contains(Column, Row))
        FValues[CellIndex(Column, Row, FNrCols)] = Value;
}

bool TIntMatrix::Contains(int column, int row) const
{
    return column >= 1 && column <= FNrCols && row >= 1 && row <= FNrRows;
}

size_t TIntMatrix::CellIndex(int column, int row, int nrColumns)
{
    return size_t(row - 1) * size_t(nrColumns) + size_t(column - 1);
}

// ---- TLogicOp ----

bool ApplyLogicOp(TLogicOp Op, bool A, bool B)
{
    switch (Op) {
    case loAND: return A && B;
    case loOR: return A || B;
    case loXOR: return A != B;
    case loANDNOT: return A && !B;
    }
    return false;
}

void TIntMatrix::Fill(int Value)
{
    std::fill(FValues.begin(), FValues.end(), Value);
}

} // namespace vek
