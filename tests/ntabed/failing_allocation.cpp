#include "failing_allocation.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace failingallocation {

namespace {
std::atomic<std::size_t> failingSize{0};
} // namespace

void FailNextAllocationOf(std::size_t size) { failingSize = size; }
bool Armed() { return failingSize != 0; }
void Disarm() { failingSize = 0; }

} // namespace failingallocation

void* operator new(std::size_t size)
{
    std::size_t armed = size;
    if (size != 0 && failingallocation::failingSize.compare_exchange_strong(armed, 0))
        throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) { return ::operator new(size); }
// The library's temporary buffers (stable sorts) come from the nothrow forms; they must
// come from the same heap as what the deletes below free.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept
{
    return ::operator new(size, tag);
}
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
