// SPDX-License-Identifier: GPL-3.0-or-later

// A computer move runs inside the input handler; listing, trying and scoring
// moves must not touch the heap.
#include <gtest/gtest.h>

#include "game/legal_moves.h"
#include "players/computer_move.h"
#include "players/seer.h"
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

// The Seer's search, once its table and lists exist, makes and takes back
// its moves without the heap.
TEST(SeerSearch, AllocatesNothingOnceMade) {
    const std::vector<TBoard> positions = testing_support::SelfPlayPositions(2, 60, 4);
    TSeerSearch search;
    TSeerLimits limits;
    limits.nodes = 400;
    int answered = 0;
    for (std::size_t i = 0; i < positions.size(); i += 5) {
        TBoard board = positions[i];
        const long before = test::allocations.load();
        for (TDieFace die = 1; die <= 6; ++die)
            answered += search.Search(board, board.armyToMove, die, {}, limits).found ? 1 : 0;
        ASSERT_EQ(test::allocations.load(), before);
    }
    EXPECT_GT(answered, 20);
}

}  // namespace
}  // namespace vaeloric
