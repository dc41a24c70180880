// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/end_of_game.h"

#include <gtest/gtest.h>

#include "players_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;

// The Questioner's army 2 holds the Ptah square C3 with its King.
TBoard PtahHeldBoard() {
    TBoard board = EmptyBoard("33W", 2);
    Put(board, "C3", 2, King);
    Put(board, "H1", 1, King);
    Put(board, "A8", 3, King);
    Put(board, "H8", 4, King);
    return board;
}

TEST(EndOfGame, PtahSquareHeldUntilTheTurnComesBack) {
    TBoard board = PtahHeldBoard();
    TTurnState turn;
    turn.ptahReached = true;
    turn.checkmated = {0, 1, 1, 1, 1};  // stale flags stay when the Ptah rule decides
    struct TRow {
        std::int32_t armyToMove;
        bool attacked;
        TEndOfGame expected;
    };
    const TRow rows[] = {
        {3, false, TEndOfGame::GoesOn},
        {2, false, TEndOfGame::PtahWin},
        {3, true, TEndOfGame::PtahLoss},
        {2, true, TEndOfGame::PtahLoss},
    };
    for (const TRow& row : rows) {
        TBoard b = board;
        if (row.attacked) Put(b, "G3", 1, Rook, 80);
        b.armyToMove = row.armyToMove;
        const TBoard before = b;
        const TEndOfGameDecision decision = DecideEndOfGame(b, turn);
        EXPECT_EQ(decision.outcome, row.expected) << row.armyToMove << " " << row.attacked;
        EXPECT_EQ(decision.flagsRefreshed, row.expected == TEndOfGame::GoesOn);
        EXPECT_TRUE(SameBoard(b, before));
    }
    // Without the flag a King on the square decides nothing.
    turn.ptahReached = false;
    board.armyToMove = 2;
    EXPECT_EQ(DecideEndOfGame(board, turn).outcome, TEndOfGame::GoesOn);
}

TEST(EndOfGame, DoubleCheckmateWonOrLostBySide) {
    struct TRow {
        std::int32_t matedSide;
        std::int32_t questioner;
        TEndOfGame expected;
        const char* text;
    };
    const TRow rows[] = {
        {1, 1, TEndOfGame::DoubleCheckmateLoss, "Double Checkmate - you lose!"},
        {1, 2, TEndOfGame::DoubleCheckmateWin, "Double Checkmate - you win!"},
        {2, 1, TEndOfGame::DoubleCheckmateWin, "Double Checkmate - you win!"},
        {2, 4, TEndOfGame::DoubleCheckmateLoss, "Double Checkmate - you lose!"},
    };
    for (const TRow& row : rows) {
        TBoard board = DoubleCheckmate(row.matedSide);
        board.questionerArmy = row.questioner;
        board.armyToMove = 3;
        TTurnState turn;
        const TEndOfGameDecision decision = DecideEndOfGame(board, turn);
        EXPECT_EQ(decision.outcome, row.expected);
        EXPECT_STREQ(decision.Message(), row.text);
        EXPECT_STREQ(decision.Title(), "GAME OVER");
        EXPECT_TRUE(decision.GameOver());
        EXPECT_EQ(decision.QuestionerWon(), row.expected == TEndOfGame::DoubleCheckmateWin);
        const std::int32_t mated = row.matedSide;
        EXPECT_EQ(decision.checkmated,
                  (std::array<std::int32_t, 5>{0, mated == 1, mated == 2, mated == 1, mated == 2}));
    }
}

TEST(EndOfGame, OneCheckmatedArmyOnlyRaisesItsFlag) {
    TBoard board = DoubleCheckmate(2);
    board.PutPiece(8, 8, TPiece{});  // army 4's King moves away from H8 ...
    Put(board, "F3", 4, King);       // ... to a free square
    TTurnState turn;
    turn.checkmated = {0, 1, 0, 1, 1};
    const TEndOfGameDecision decision = DecideEndOfGame(board, turn);
    EXPECT_EQ(decision.outcome, TEndOfGame::GoesOn);
    EXPECT_EQ(decision.Message(), nullptr);
    ApplyEndOfGame(decision, turn);
    EXPECT_EQ(turn.checkmated, (std::array<std::int32_t, 5>{0, 0, 1, 0, 0}));
}

TEST(EndOfGame, ResignOfferedWhenAnOpponentKingNearsThePtahSquare) {
    // Ptah E5: the Questioner's army is 4; its opponents are 1 and 3.
    struct TRow {
        const char* opponentKing;  // army 1's King
        std::int32_t armyToMove;
        TEndOfGame expected;
    };
    const TRow rows[] = {
        {"F6", 1, TEndOfGame::OfferResign},
        {"F6", 2, TEndOfGame::GoesOn},
        {"E5", 1, TEndOfGame::OfferResign},
        {"G7", 1, TEndOfGame::GoesOn},
    };
    for (const TRow& row : rows) {
        TBoard board = EmptyBoard("55W", 4);
        Put(board, row.opponentKing, 1, King);
        Put(board, "A1", 2, King);
        Put(board, "A8", 3, King);
        Put(board, "H1", 4, King);
        board.armyToMove = row.armyToMove;
        const TEndOfGameDecision decision = DecideEndOfGame(board, TTurnState{});
        EXPECT_EQ(decision.outcome, row.expected) << row.opponentKing << " " << row.armyToMove;
        EXPECT_FALSE(decision.GameOver());
        if (row.expected == TEndOfGame::OfferResign) {
            EXPECT_STREQ(
                decision.Message(),
                "It is unlikely that you will win from this position.\n\nDo you want to resign?");
            EXPECT_STREQ(decision.Title(), "");
        }
    }
}

}  // namespace
}  // namespace vaeloric
