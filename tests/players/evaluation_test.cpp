// SPDX-License-Identifier: GPL-3.0-or-later

#include "players/evaluation.h"

#include <gtest/gtest.h>

#include "game/internal_error.h"
#include "players/computer_move.h"
#include "players/int32_math.h"
#include "players/opponent_profiles.h"
#include "players_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;

// Ptah square C3; the Questioner's army is 2 (its ally 4). Four lone Kings,
// far from each other; army 2's King on the Ptah square.
TBoard QuestionerOnPtah() {
    TBoard board = EmptyBoard("33W", 2);
    Put(board, "C3", 2, King);
    Put(board, "H1", 1, King);
    Put(board, "A8", 3, King);
    Put(board, "H8", 4, King);
    return board;
}

TEST(Evaluation, DecidedPtahPositionsForBothSides) {
    TBoard board = QuestionerOnPtah();
    // Unattacked: held for the Questioner's side; not decided for the others.
    for (std::int32_t army : {2, 4})
        EXPECT_EQ(EvaluatePosition(board, army, 1), kPtahHeldScore) << army;
    for (std::int32_t army : {1, 3})
        EXPECT_LT(EvaluatePosition(board, army, 1), kPtahHeldScore) << army;

    // A Rook of army 1 attacks the Ptah square along rank 3.
    Put(board, "G3", 1, Rook, 80);
    for (std::int32_t army : {2, 4})
        EXPECT_EQ(EvaluatePosition(board, army, 1), kWorstScore) << army;
    for (std::int32_t army : {1, 3})
        EXPECT_EQ(EvaluatePosition(board, army, 1), kBestScore) << army;
}

TEST(Evaluation, OpponentKingOnPtahIsBestForIt) {
    TBoard board = EmptyBoard("33W", 2);
    Put(board, "C3", 1, King);
    Put(board, "A1", 2, King);
    Put(board, "A8", 3, King);
    Put(board, "H8", 4, King);
    EXPECT_EQ(EvaluatePosition(board, 1, 1), kBestScore);
    // Its ally's King is elsewhere: nothing decided for army 3.
    EXPECT_NE(EvaluatePosition(board, 3, 1), kBestScore);
}

TEST(Evaluation, DoubleCheckmateOverridesEverything) {
    // Armies 2 (A1) and 4 (H8) checkmated by four Rooks of armies 1 and 3;
    // the Questioner (army 1) holds the Ptah square D4 unattacked.
    TBoard board = DoubleCheckmate(2);
    // Both enemies mated beats the Ptah square held (2147483637).
    for (std::int32_t army : {1, 3})
        EXPECT_EQ(EvaluatePosition(board, army, 1), kBestScore) << army;
    // The mated side's own double checkmate is the worst.
    for (std::int32_t army : {2, 4})
        EXPECT_EQ(EvaluatePosition(board, army, 1), kWorstScore) << army;
}

TEST(Evaluation, PtahFactorGrowsAsTheBoardEmpties) {
    struct TRow {
        int extraPawns;  // besides the four Kings
        std::int32_t factor;
    };
    // 11 minus half the piece count, below 24 pieces.
    const TRow rows[] = {{0, 1 + 9},  {4, 1 + 7},  {16, 1 + 1}, {17, 1 + 1},
                         {18, 1 + 0}, {19, 1 + 0}, {20, 1}};
    for (const TRow& row : rows) {
        TBoard board = EmptyBoard("33W", 2);
        Put(board, "F8", 2, King);  // far from the Ptah square C3
        Put(board, "H1", 1, King);
        Put(board, "A8", 3, King);
        Put(board, "H8", 4, King);
        for (int i = 0; i < row.extraPawns; ++i) {
            board.PutPiece(2 + i / 6, 2 + i % 6, TPiece{HorsePawn, 1, 3, 5, 13});
        }
        EXPECT_EQ(PtahFactor(board), row.factor) << row.extraPawns + 4 << " pieces";
    }
}

TEST(Evaluation, PtahFactorNearTheSquare) {
    TBoard board = EmptyBoard("33W", 2);
    Put(board, "A1", 2, King);  // two steps from C3, and it can get there
    Put(board, "H1", 1, King);
    Put(board, "A8", 3, King);
    Put(board, "H8", 4, King);
    EXPECT_EQ(PtahFactor(board), 1 + 5 + 9);
    // One step away, free to step on: 5 and 15 for the step.
    board.PutPiece(1, 1, TPiece{});
    Put(board, "B2", 2, King);
    EXPECT_EQ(PtahFactor(board), 1 + 5 + 15 + 9);
    // The square attacked: the step is refused, only the 5 remains.
    Put(board, "C8", 1, Rook, 80);
    EXPECT_EQ(PtahFactor(board), 1 + 5 + 9);
}

TEST(Evaluation, ThirtyTwoBitArithmeticWraps) {
    using namespace players;
    EXPECT_EQ(Add32(2147483647, 1), -2147483647 - 1);
    EXPECT_EQ(Sub32(-2147483647 - 1, 1), 2147483647);
    EXPECT_EQ(Mul32(65536, 65536), 0);
    EXPECT_EQ(Div32(-7, 4), -1);
    EXPECT_EQ(Div32(-2147483647 - 1, -1), -2147483647 - 1);
}

TEST(Evaluation, UnknownPieceKindIsAnInternalError) {
    TBoard board = QuestionerOnPtah();
    board.PutPiece(5, 5, TPiece{11, 1, 3, 5, 10});
    EXPECT_THROW(EvaluatePosition(board, 1, 1), TInternalError);
}

TEST(Evaluation, OnlyComputerCodesHaveProfiles) {
    EXPECT_STREQ(OpponentProfile(5).name, "Lachlan Corvey");
    EXPECT_EQ(OpponentProfile(8).materialWeight, 18);
    EXPECT_THROW(OpponentProfile(1), TInternalError);
    EXPECT_THROW(OpponentProfile(9), TInternalError);
}

TEST(Evaluation, LeavesTheBoardAsItFoundIt) {
    for (TBoard& position : SelfPlayPositions(6, 50, 11)) {
        const TBoard before = position;
        for (std::int32_t army = 1; army <= 4; ++army) EvaluatePosition(position, army, 3);
        ASSERT_TRUE(SameBoardButPawnValues(position, before));
    }
}

TEST(ComputerMove, AllWorstScoresPlayTheFirstMove) {
    // The Questioner's King stands attacked on the Ptah square, and its ally
    // (army 4) can do nothing about it on a 6.
    TBoard board = QuestionerOnPtah();
    board.PutPiece(8, 8, TPiece{});
    Put(board, "E8", 4, King);
    Put(board, "G3", 1, Rook, 80);
    Put(board, "H5", 4, HorsePawn, 13);
    Put(board, "H6", 4, QueenPawn, 11);
    TScoredMove scores[kMaxLegalMoves];
    int count = 0;
    SquareRecord destination, origin;
    ASSERT_TRUE(ChooseComputerMoveWithScores(board, 6, 4, destination, origin, scores,
                                             kMaxLegalMoves, count));
    ASSERT_EQ(count, 2);
    EXPECT_EQ(scores[0].score, kWorstScore);
    EXPECT_EQ(scores[1].score, kWorstScore);
    EXPECT_EQ(SquareName(origin.Square()) + "-" + SquareName(destination.Square()), "H5-G5");
    EXPECT_EQ(board.At(5, 7).kind, HorsePawn);  // the move is made
}

TEST(ComputerMove, PlaysTheFirstOfTheBestScores) {
    int ties = 0;
    for (TBoard& position : SelfPlayPositions(6, 40, 5)) {
        const std::int32_t army = position.armyToMove;
        for (TDieFace die = 1; die <= 6; ++die) {
            TBoard board = position;
            TScoredMove scores[kMaxLegalMoves];
            int count = 0;
            SquareRecord destination, origin;
            if (!ChooseComputerMoveWithScores(board, die, army, destination, origin, scores,
                                              kMaxLegalMoves, count)) {
                EXPECT_TRUE(SameBoard(board, position));
                continue;
            }
            int best = 0;
            for (int i = 1; i < count; ++i) {
                if (scores[i].score > scores[best].score) best = i;
                if (scores[i].score == scores[best].score && i != best) ++ties;
            }
            EXPECT_TRUE(SquaresEqual(origin.Square(), scores[best].from.Square()));
            EXPECT_TRUE(SquaresEqual(destination.Square(), scores[best].to.Square()));
            // The move is on the board, and nothing is left on its origin
            // unless a CombinedKing split there.
            EXPECT_EQ(board.At(destination.rank, destination.file).army, army);
        }
    }
    EXPECT_GT(ties, 0) << "no tie met: the tie-break went untested";
}

}  // namespace
}  // namespace vaeloric
