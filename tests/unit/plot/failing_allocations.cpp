#include "failing_allocations.h"

#include <cstdlib>
#include <new>

namespace {

long countdown = 0;
bool failed = false;

}  // namespace

namespace lumora::test {

void fail_allocation(long n) {
    countdown = n;
    failed = false;
}

bool allocation_failed() {
    return failed;
}

}  // namespace lumora::test

void* operator new(std::size_t size) {
    if (countdown > 0 && --countdown == 0) {
        failed = true;
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size != 0 ? size : 1)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

// The forms without exceptions (std::stable_sort's buffer takes one) come from the same
// heap, so that every delete above frees what its new took.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return ::operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
