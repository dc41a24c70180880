// SPDX-License-Identifier: GPL-3.0-or-later

// A computer move runs inside the input handler; listing, trying and scoring
// moves must not touch the heap.
#include <gtest/gtest.h>

#include "game/legal_moves.h"
#include "players/computer_move.h"
#include "players_support.h"
#include "tests/support/allocation_counter.h"

namespace vaeloric {
namespace {

TEST(ComputerMove, AllocatesNothing) {
    const std::vector<TBoard> positions = testing_support::SelfPlayPositions(2, 60, 8);
    int moves = 0;
    for (const TBoard& position : positions) {
        TBoard board = position;
        const long before = test::allocations.load();
        for (TDieFace die = 1; die <= 6; ++die) {
            HasNoLegalMove(board, die, board.armyToMove);
            SquareRecord destination, origin;
            TBoard trial = board;
            moves += ChooseComputerMove(trial, die, board.armyToMove, destination, origin) ? 1 : 0;
        }
        ASSERT_EQ(test::allocations.load(), before);
    }
    EXPECT_GT(moves, 100);
    // The counter does see allocations.
    const long before = test::allocations.load();
    auto* probe = new int(1);
    EXPECT_EQ(test::allocations.load(), before + 1);
    delete probe;
}

}  // namespace
}  // namespace vaeloric
