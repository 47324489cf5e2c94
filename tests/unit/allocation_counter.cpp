// The replaced global allocation functions. They allocate with malloc as the
// standard ones do and count while an AllocationCounter is alive. One thread:
// the program and its simulated desktop run on the test's thread.
#include "allocation_counter.h"

#include <cstdlib>
#include <new>

namespace {

bool counting = false;
std::size_t counted = 0;

void* allocate(std::size_t size) {
    if (counting) ++counted;
    return std::malloc(size ? size : 1);
}

void* allocateAligned(std::size_t size, std::align_val_t alignment) {
    if (counting) ++counted;
    const auto align = static_cast<std::size_t>(alignment);
    return std::aligned_alloc(align, (size + align - 1) / align * align);
}

void* orThrow(void* p) {
    if (!p) throw std::bad_alloc();
    return p;
}

}  // namespace

namespace ql::test {

AllocationCounter::AllocationCounter() {
    counted = 0;
    counting = true;
}

AllocationCounter::~AllocationCounter() { counting = false; }

std::size_t AllocationCounter::allocations() const { return counted; }

}  // namespace ql::test

void* operator new(std::size_t size) { return orThrow(allocate(size)); }
void* operator new[](std::size_t size) { return orThrow(allocate(size)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new(std::size_t size, std::align_val_t a) { return orThrow(allocateAligned(size, a)); }
void* operator new[](std::size_t size, std::align_val_t a) { return orThrow(allocateAligned(size, a)); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocateAligned(size, a);
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return allocateAligned(size, a);
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
