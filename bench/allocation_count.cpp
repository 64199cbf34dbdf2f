// The replaced global allocation functions behind allocation_count. Kept in a file of their
// own, apart from any caller, so that no allocation is inlined into its caller.
#include "bench/allocation_count.h"

#include <cstdlib>
#include <new>

namespace {
long long allocations = 0;
}  // namespace

long long allocation_count() {
    return allocations;
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
