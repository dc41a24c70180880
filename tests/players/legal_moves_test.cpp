// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/legal_moves.h"

#include <gtest/gtest.h>

#include "game/dice_rule.h"
#include "players_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;
using Names = std::vector<std::string>;

// Water board with the Ptah square on G2: army 1 questions, and every
// CombinedKing has a Horse for its companion.
TBoard CompanionHorseBoard() {
    TBoard board = EmptyBoard("27W", 1);
    Put(board, "D4", 1, CombinedKing, 100);
    Put(board, "B2", 1, HorsePawn, 13);
    Put(board, "F1", 1, Rook, 80);
    Put(board, "A8", 3, King);
    Put(board, "H8", 2, King);
    Put(board, "H5", 4, King);
    return board;
}

TEST(LegalMoves, EachFaceMovesItsKindsInScanAndGeneratorOrder) {
    TBoard board = CompanionHorseBoard();
    ASSERT_EQ(board.CompanionKind(), Horse);
    struct TRow {
        TDieFace die;
        Names expected;
    };
    const TRow rows[] = {
        {1, {"B2-B3", "D4-D5", "D4-E5", "D4-E4", "D4-E3", "D4-D3", "D4-C3", "D4-C4", "D4-C5"}},
        {2, {"D4-E6", "D4-F5", "D4-F3", "D4-E2", "D4-C2", "D4-B3", "D4-B5", "D4-C6"}},
        {3, {}},
        {4, {}},
        {5,
         {"F1-F2", "F1-F3", "F1-F4", "F1-F5", "F1-F6", "F1-F7", "F1-F8", "F1-G1", "F1-H1", "F1-E1",
          "F1-D1", "F1-C1", "F1-B1", "F1-A1"}},
        {6, {"B2-B3"}},
        {0, {}},
        {7, {}},
    };
    for (const TRow& row : rows) {
        EXPECT_EQ(LegalNames(board, 1, row.die), row.expected) << "die " << row.die;
        EXPECT_EQ(HasNoLegalMove(board, row.die, 1), row.expected.empty() ? 1 : 0)
            << "die " << row.die;
    }
}

TEST(LegalMoves, KingCapturesAndSelfExposingMovesAreLeftOut) {
    TBoard board = EmptyBoard("27W", 1);
    Put(board, "E1", 1, King);
    Put(board, "E2", 1, Rook, 80);  // pinned by the Rook on E8
    Put(board, "A4", 1, Rook, 80);  // its file ends on a King
    Put(board, "E8", 2, Rook, 80);
    Put(board, "A7", 2, King);
    Put(board, "H8", 3, King);
    Put(board, "H6", 4, King);
    const Names expected = {"E2-E3", "E2-E4", "E2-E5", "E2-E6", "E2-E7", "E2-E8",
                            "A4-A5", "A4-A6", "A4-B4", "A4-C4", "A4-D4", "A4-E4",
                            "A4-F4", "A4-G4", "A4-H4", "A4-A3", "A4-A2", "A4-A1"};
    EXPECT_EQ(LegalNames(board, 1, 5), expected);

    const SquareRecord from = SquareRecord::At(Sq("E2"));
    EXPECT_EQ(MoveExposesKing(board, from, SquareRecord::At(Sq("D2"))), 1);
    EXPECT_EQ(MoveExposesKing(board, from, SquareRecord::At(Sq("E5"))), 0);
    // A King's own step is never judged here.
    EXPECT_EQ(MoveExposesKing(board, SquareRecord::At(Sq("E1")), SquareRecord::At(Sq("D1"))), 0);
}

TEST(LegalMoves, CombinedKingMovingAsCompanionLeavesItsKingBehind) {
    TBoard board = EmptyBoard("27W", 1);
    Put(board, "E1", 1, CombinedKing, 100);
    Put(board, "E8", 2, Rook, 80);
    Put(board, "A8", 2, King);
    Put(board, "H8", 3, King);
    Put(board, "H5", 4, King);
    // The King stays on E1 in the Rook's line: no Horse move is legal.
    EXPECT_EQ(LegalNames(board, 1, 2), Names{});
    EXPECT_EQ(HasNoLegalMove(board, 2, 1), 1);
    // With the line blocked the companion may go.
    Put(board, "E4", 1, HorsePawn, 13);
    EXPECT_EQ(LegalNames(board, 1, 2), (Names{"E1-F3", "E1-G2", "E1-C2", "E1-D3"}));
    // As a King on a 1 it may not stay on the file either.
    board.PutPiece(4, 5, TPiece{});
    EXPECT_EQ(LegalNames(board, 1, 1), (Names{"E1-F2", "E1-F1", "E1-D1", "E1-D2"}));
}

TEST(LegalMoves, ListAndTestsLeaveTheBoardAsTheyFoundIt) {
    for (TBoard& position : SelfPlayPositions(8, 60, 7)) {
        const TBoard before = position;
        for (std::int32_t army = 1; army <= 4; ++army) {
            for (TDieFace die = 1; die <= 6; ++die) {
                TLegalMoveList list;
                ListLegalMoves(position, army, die, list);
                HasNoLegalMove(position, die, army);
                for (const TLegalMove& move : list) {
                    MoveExposesKing(position, move.from, move.to);
                    // No listed move leaves the mover's King attacked.
                    TBoard trial = position;
                    MakePieceMove(trial, move.from, move.to, die == 1);
                    EXPECT_FALSE(KingAttacked(trial, army)) << MoveName(move);
                }
            }
        }
        ASSERT_TRUE(SameBoard(position, before));
    }
}

}  // namespace
}  // namespace vaeloric
