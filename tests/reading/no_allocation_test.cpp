// SPDX-License-Identifier: GPL-3.0-or-later

// The network runs after every move inside the input handler; its cycles must
// not touch the heap.
#include <gtest/gtest.h>

#include "reading/move_reading.h"
#include "reading/network.h"
#include "tests/support/allocation_counter.h"

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
    const long before = test::allocations.load();
    network.ResetNetwork();
    network.RunNetwork(block, record, MoveMode);
    SetNetworkParameters(block, false);
    network.RunNetwork(block, record, WholeGameMode);
    EXPECT_EQ(test::allocations.load(), before);
}

}  // namespace
}  // namespace vaeloric
