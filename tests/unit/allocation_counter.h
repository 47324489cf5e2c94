// Counts heap allocations made through operator new while a counter is alive.
// Only the executable that links allocation_counter.cpp has the counting
// operators; every other test program keeps the standard ones.
#pragma once

#include <cstddef>

namespace ql::test {

class AllocationCounter {
public:
    AllocationCounter();
    ~AllocationCounter();
    AllocationCounter(const AllocationCounter&) = delete;
    AllocationCounter& operator=(const AllocationCounter&) = delete;

    std::size_t allocations() const;
};

}  // namespace ql::test
