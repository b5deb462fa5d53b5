#include "containers.h"

#include <algorithm>
#include <bit>

namespace vek {

// ---- TBitFld ----

TBitFld::TBitFld(int Size)
{
    SetSize(Size);
}

void TBitFld::SetSize(int Size)
{
    FSize = std::max(Size, 0);
    FWords.resize(size_t((FSize + kWordBits - 1) / kWordBits), 0);
    ClearBitsBeyondSize();
}

// Shrinking leaves stale bits in the last word; clearing them keeps the counting and
// searching simple and makes bits that come back by growing read false.
void TBitFld::ClearBitsBeyondSize()
{
    const int usedInLastWord = FSize % kWordBits;
    if (usedInLastWord != 0)
        FWords.back() &= (Word(1) << usedInLastWord) - 1;
}

void TBitFld::Clear()
{
    std::fill(FWords.begin(), FWords.end(), 0);
}

bool TBitFld::GetBit(int Index) const
{
    return Contains(Index) && (FWords[size_t(Index / kWordBits)] >> (Index % kWordBits)) & 1;
}

void TBitFld::SetBit(int Index, bool Value)
{
    if (!Contains(Index))
        return;
    const Word mask = Word(1) << (Index % kWordBits);
    Word& word = FWords[size_t(Index / kWordBits)];
    word = Value ? word | mask : word & ~mask;
}

int TBitFld::CountTrueBits() const
{
    int count = 0;
    for (Word word : FWords)
        count += std::popcount(word);
    return count;
}

int TBitFld::FirstTrueBit() const
{
    const auto it = std::find_if(FWords.begin(), FWords.end(), [](Word w) { return w != 0; });
    if (it == FWords.end())
        return -1;
    return int(it - FWords.begin()) * kWordBits + std::countr_zero(*it);
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
