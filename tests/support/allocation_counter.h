// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Counts every heap allocation of the test program, for the tests that check
// that a hot path allocates nothing. Replaces the global operator new, so
// include it in exactly one file of a test program.
#include <atomic>
#include <cstdlib>
#include <new>

namespace vaeloric::test {
inline std::atomic<long> allocations{0};
}  // namespace vaeloric::test

void* operator new(std::size_t size) {
    ++vaeloric::test::allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
