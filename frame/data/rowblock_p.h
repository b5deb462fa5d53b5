// Row blocks of TStringArray: one malloc'ed array of UTF-16 code units per row holding
// the row's cells (column 0 first) as [length][code units]. Kept apart from the array so
// that the cell layout lives in one place.
#pragma once

#include <QStringView>
#include <QtGlobal>

#include <cstddef>

namespace vek::rowblock {

// Units in a block of cellCount cells.
std::size_t Length(const char16_t* block, int cellCount);

// Cell col of a block (an empty view for a null block).
QStringView Cell(const char16_t* block, int col);

// A new block (or nullptr when every cell is empty) equal to block with cell col
// replaced by text. Frees nothing; throws std::bad_alloc.
char16_t* WithCell(const char16_t* block, int cellCount, int col, QStringView text);

// A new block of newCellCount cells keeping the first cells of block (nullptr when
// every kept cell is empty). Throws std::bad_alloc.
char16_t* Resized(const char16_t* block, int cellCount, int newCellCount);

// A copy of block (nullptr for nullptr). Throws std::bad_alloc.
char16_t* Copy(const char16_t* block, int cellCount);

void Free(char16_t* block);

// Bytes the allocator hands out for a block of cellCount cells (estimate incl. header).
std::size_t AllocatedBytes(const char16_t* block, int cellCount);

} // namespace vek::rowblock
