// SPDX-License-Identifier: GPL-3.0-or-later

// The pieces each army has lost, found from the position: the same as the
// captures counted move by move over random games on every board, Kings
// joined with their companions included. A promoted piece taken later
// cannot be told from its pawn by the position alone: armies that promoted
// are checked by their count only.
#include "game/captured_pieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "game/legal_moves.h"
#include "game/make_move.h"

namespace vaeloric {
namespace {

using TKindCounts = std::map<std::int32_t, int>;

TKindCounts Kinds(const std::vector<TLostPiece>& pieces) {
    TKindCounts counts;
    for (const TLostPiece& piece : pieces) ++counts[piece.kind];
    return counts;
}

TEST(LostPieces, NoneAtTheSetUpAndEachRemovalOrPromotionCounted) {
    for (const char letter : {'A', 'W', 'F', 'E'}) {
        SCOPED_TRACE(letter);
        TBoard board;
        board.SetUp(TSquare{4, 5}, letter);
        for (const auto& lost : LostPieces(board)) EXPECT_TRUE(lost.empty());

        // A King joined with its companion, taken: both are lost.
        const TSquare home = KingHomeSquare(2);
        ASSERT_EQ(board.At(home.rank, home.file).kind, CombinedKing);
        board.PutPiece(home.rank, home.file, TPiece{});
        // A pawn of army 3 promoted to its piece: nothing lost.
        TSquare pawn{0, 0};
        for (int rank = 1; rank <= 8 && pawn.rank == 0; ++rank)
            for (int file = 1; file <= 8; ++file)
                if (board.At(rank, file).army == 3 && board.At(rank, file).kind == RookPawn) {
                    pawn = TSquare{rank, file};
                    break;
                }
        ASSERT_NE(pawn.rank, 0);
        board.At(pawn.rank, pawn.file).kind = Rook;
        // Army 4's Queen taken.
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file)
                if (board.At(rank, file).army == 4 && board.At(rank, file).kind == Queen)
                    board.PutPiece(rank, file, TPiece{});

        const auto lost = LostPieces(board);
        EXPECT_TRUE(lost[1].empty());
        EXPECT_EQ(Kinds(lost[2]), (TKindCounts{{King, 1}, {board.CompanionKind(), 1}}));
        EXPECT_TRUE(lost[3].empty());
        ASSERT_EQ(lost[4].size(), 1u);
        EXPECT_EQ(lost[4][0], (TLostPiece{Queen, InitialValue(board, Queen, 4)}));
        EXPECT_EQ(TotalValue(lost[2]),
                  InitialValue(board, King, 2) + InitialValue(board, board.CompanionKind(), 2));
        // Worth most first.
        EXPECT_GE(lost[2][0].value, lost[2][1].value);
    }
}

TEST(LostPieces, EqualTheCapturesOfRandomGames) {
    std::mt19937 random(24);
    int captures = 0, promotions = 0;
    for (int game = 0; game < 40; ++game) {
        TBoard board;
        board.SetUp(
            TSquare{1 + static_cast<int>(random() % 2) + 3, 4 + static_cast<int>(random() % 2)},
            "AWFE"[game % 4]);
        std::array<TKindCounts, 5> taken;
        std::array<bool, 5> promotedBy{};
        for (int turn = 0; turn < 300; ++turn) {
            const std::int32_t army = 1 + turn % 4;
            TLegalMoveList list;
            ListLegalMoves(board, army, static_cast<TDieFace>(1 + random() % 6), list);
            if (list.Empty()) continue;
            const TLegalMove move = list[random() % list.Size()];
            const TPiece victim = board.At(move.to.rank, move.to.file);
            if (victim.kind == CombinedKing) {
                ++taken[victim.army][King];
                ++taken[victim.army][board.CompanionKind()];
            } else if (victim.kind != Empty) {
                ++taken[victim.army][victim.kind];
            }
            const TPiece mover = board.At(move.from.rank, move.from.file);
            MakePieceMove(board, move.from, move.to, random() % 2 == 0);
            const TPiece moved = board.At(move.to.rank, move.to.file);
            if (mover.kind != moved.kind && mover.kind != CombinedKing) {
                ++promotions;
                promotedBy[army] = true;
            }
            captures += victim.kind != Empty;
        }
        const auto lost = LostPieces(board);
        for (int army = 1; army <= 4; ++army) {
            int count = 0;
            for (const auto& [kind, n] : taken[army]) count += n;
            EXPECT_EQ(static_cast<int>(lost[army].size()), count) << game << " army " << army;
            if (!promotedBy[army])
                EXPECT_EQ(Kinds(lost[army]), taken[army]) << "game " << game << " army " << army;
        }
    }
    EXPECT_GT(captures, 500);
    EXPECT_GT(promotions, 5);
}

}  // namespace
}  // namespace vaeloric
