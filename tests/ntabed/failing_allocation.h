// Makes one allocation fail on purpose, to test what an operation does when memory runs
// out: while armed, the next operator new of exactly the given size throws
// std::bad_alloc. The test binary replaces the global operator new for this.
#pragma once

#include <cstddef>

namespace failingallocation {

// Arms the failure for the next allocation of size bytes.
void FailNextAllocationOf(std::size_t size);
// Whether the armed failure has not happened yet.
bool Armed();
// Takes an armed failure back.
void Disarm();

} // namespace failingallocation
