// The network runs after every move inside the input handler; its cycles must
// not touch the heap.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "reading/move_reading.h"
#include "reading/network.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace vaeloric {
namespace {

TEST(NetworkRun, AllocatesNothing) {
    TReadingRecord record;
    TNetwork& network = ProgramNetwork();
    TNetworkBlock block;
    EncodeMove(block, 4, 6, 2, TPiece{King, 2}, true, false);
    SetNetworkParameters(block, true);
    network.ResetNetwork();
    network.RunNetwork(block, record, MoveMode);  // first use builds the tables
    const long before = allocations.load();
    network.ResetNetwork();
    network.RunNetwork(block, record, MoveMode);
    SetNetworkParameters(block, false);
    network.RunNetwork(block, record, WholeGameMode);
    EXPECT_EQ(allocations.load(), before);
}

}  // namespace
}  // namespace vaeloric
