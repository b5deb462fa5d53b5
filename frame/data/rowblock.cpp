#include "rowblock_p.h"

#include <cstdlib>
#include <cstring>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <new>

namespace vek::rowblock {

namespace {

char16_t* Allocate(std::size_t units)
{
    auto* block = static_cast<char16_t*>(std::malloc(units * sizeof(char16_t)));
    if (!block)
        throw std::bad_alloc();
    return block;
}

// Start of cell col inside a non-null block.
const char16_t* CellStart(const char16_t* block, int col)
{
    const char16_t* p = block;
    for (int c = 0; c < col; ++c)
        p += 1 + *p;
    return p;
}

bool AllEmptyExcept(const char16_t* block, int cellCount, int skippedCol)
{
    if (!block)
        return true;
    const char16_t* p = block;
    for (int c = 0; c < cellCount; ++c) {
        if (c != skippedCol && *p != 0)
            return false;
        p += 1 + *p;
    }
    return true;
}

} // namespace

std::size_t Length(const char16_t* block, int cellCount)
{
    return block ? static_cast<std::size_t>(CellStart(block, cellCount) - block) : 0;
}

QStringView Cell(const char16_t* block, int col)
{
    if (!block)
        return {};
    const char16_t* p = CellStart(block, col);
    return QStringView(p + 1, static_cast<qsizetype>(*p));
}

char16_t* WithCell(const char16_t* block, int cellCount, int col, QStringView text)
{
    if (text.isEmpty() && AllEmptyExcept(block, cellCount, col))
        return nullptr;
    const std::size_t oldLength = block ? Length(block, cellCount) : std::size_t(cellCount);
    const std::size_t oldCell = block ? 1 + *CellStart(block, col) : 1;
    const std::size_t units = oldLength - oldCell + 1 + std::size_t(text.size());
    char16_t* result = Allocate(units);
    char16_t* out = result;
    for (int c = 0; c < cellCount; ++c) {
        const QStringView cell = c == col ? text : Cell(block, c);
        *out++ = static_cast<char16_t>(cell.size());
        // An empty cell may have no storage at all: memcpy from null is undefined even
        // for no bytes.
        if (!cell.isEmpty())
            std::memcpy(out, cell.utf16(), std::size_t(cell.size()) * sizeof(char16_t));
        out += cell.size();
    }
    return result;
}

char16_t* Resized(const char16_t* block, int cellCount, int newCellCount)
{
    const int kept = cellCount < newCellCount ? cellCount : newCellCount;
    if (AllEmptyExcept(block, kept, -1))
        return nullptr;
    const std::size_t keptUnits = Length(block, kept);
    char16_t* result = Allocate(keptUnits + std::size_t(newCellCount - kept));
    std::memcpy(result, block, keptUnits * sizeof(char16_t));
    std::memset(result + keptUnits, 0, std::size_t(newCellCount - kept) * sizeof(char16_t));
    return result;
}

char16_t* Copy(const char16_t* block, int cellCount)
{
    if (!block)
        return nullptr;
    const std::size_t units = Length(block, cellCount);
    char16_t* result = Allocate(units);
    std::memcpy(result, block, units * sizeof(char16_t));
    return result;
}

void Free(char16_t* block)
{
    std::free(block);
}

std::size_t AllocatedBytes(const char16_t* block, int cellCount)
{
    if (!block)
        return 0;
#if defined(__GLIBC__)
    Q_UNUSED(cellCount);
    return malloc_usable_size(const_cast<char16_t*>(block)) + sizeof(std::size_t);
#else
    // typical allocators: one word of header, 16-byte granularity, 32 bytes at least
    const std::size_t request = Length(block, cellCount) * sizeof(char16_t) + 8;
    const std::size_t chunk = (request + 15) / 16 * 16;
    return chunk < 32 ? 32 : chunk;
#endif
}

} // namespace vek::rowblock
