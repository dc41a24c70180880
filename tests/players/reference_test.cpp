// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "game/dice_rule.h"
#include "game/legal_moves.h"
#include "players/evaluation.h"
#include "players_support.h"
#include "reference_evaluation.h"

namespace vaeloric {
namespace {

using namespace testing_support;

// The program's evaluation takes shortcuts (lists and trial findings kept
// for reuse, attack maps instead of searches, trials that change nothing
// skipped); on positions of random games, with Kings in check, promotions
// at hand and split Kings, it must score exactly as the step-by-step
// reading of the rules does and leave the same pawn values behind.
TEST(ReferenceEvaluation, SameScoresAndBoardsAsTheLiteralSteps) {
    int compared = 0, promotions = 0, checks = 0;
    for (TBoard& position : SelfPlayPositions(12, 120, 21)) {
        for (std::int32_t army = 1; army <= 4; ++army) {
            TLegalMoveList list;
            ListLegalMoves(position, army, 6, list);
            for (const TLegalMove& move : list) promotions += move.to.promotes;
            checks += KingAttacked(position, army) ? 1 : 0;
        }
        // As a saved file may hold them: a King with its companion worth
        // more than the two make when they split and join again.
        if (compared % 5 == 0) {
            for (int rank = 1; rank <= 8; ++rank)
                for (int file = 1; file <= 8; ++file)
                    if (position.At(rank, file).kind == CombinedKing)
                        position.At(rank, file).value += 7;
        }
        for (std::int32_t army = 1; army <= 4; ++army) {
            TBoard literal = position;
            TBoard fast = position;
            const std::int32_t factor = 1 + (compared % 9);
            ASSERT_EQ(EvaluatePosition(fast, army, factor),
                      ReferenceEvaluatePosition(literal, army, factor))
                << "position " << compared / 4 << " army " << army;
            ASSERT_TRUE(SameBoard(fast, literal));
            ++compared;
        }
    }
    // The positions met what the shortcuts must get right.
    EXPECT_GT(promotions, 20);
    EXPECT_GT(checks, 20);
}

}  // namespace
}  // namespace vaeloric
