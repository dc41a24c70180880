// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/make_move.h"

#include <gtest/gtest.h>

#include "game/internal_error.h"
#include "game/moves.h"
#include "position.h"

namespace vaeloric {
namespace {

using test::EmptyBoard;
using test::On;
using test::Origin;
using test::Put;
using test::SameBoard;

// The list entry of the destination, as the computer players use it.
SquareRecord Listed(const TBoard& board, const char* from, std::int32_t kind, const char* to) {
    TPieceMoveList list;
    PieceMoves(board, Origin(from), kind, list);
    for (const SquareRecord& record : list)
        if (SquaresEqual(record.Square(), test::Sq(to))) return record;
    ADD_FAILURE() << to << " not listed from " << from;
    return Origin(to);
}

TEST(PawnAdvance, BonusOnSixthAndSeventhLineAndTakeBack) {
    struct TCase {
        std::int32_t army;
        const char* from;
        const char* to;
        const char* enemyOn;  // nullptr: a straight step
        std::int32_t gain;
    };
    const TCase cases[] = {
        {Fire, "G5", "G6", nullptr, 5},   {Fire, "G6", "G7", nullptr, 10},
        {Fire, "G6", "F7", "F7", 10},     {Fire, "G4", "G5", nullptr, 0},
        {Earth, "E3", "F3", nullptr, 5},  {Earth, "F3", "G3", nullptr, 10},
        {Air, "D4", "D3", nullptr, 5},    {Air, "D3", "D2", nullptr, 10},
        {Air, "D3", "C2", "C2", 10},      {Water, "D5", "C5", nullptr, 5},
        {Water, "C5", "B5", nullptr, 10}, {Water, "C4", "B3", "B3", 10},
    };
    for (const TCase& c : cases) {
        TBoard board = EmptyBoard();
        Put(board, c.from, HorsePawn, c.army, 13);
        if (c.enemyOn) Put(board, c.enemyOn, HorsePawn, NextArmy(c.army), 13);
        const TBoard before = board;
        const SquareRecord target = Listed(board, c.from, HorsePawn, c.to);
        MakeMove(board, Origin(c.from), target);
        EXPECT_EQ(On(board, c.to).value, 13 + c.gain) << c.army << c.from << c.to;
        EXPECT_EQ(On(board, c.from), TPiece{});
        UndoMove(board, target, Origin(c.from));
        EXPECT_TRUE(SameBoard(board, before)) << c.army << c.from << c.to;
    }
}

TEST(PawnAdvance, FirePawnPromotesOnEighthRank) {
    TBoard board = EmptyBoard();
    Put(board, "G7", HorsePawn, Fire, 28);
    const SquareRecord target = Listed(board, "G7", HorsePawn, "G8");
    EXPECT_EQ(target.promotes, 1);
    MakeMove(board, Origin("G7"), target);
    EXPECT_EQ(On(board, "G8").kind, Horse);
    EXPECT_EQ(On(board, "G8").value, 50);
}

TEST(CaptureBonus, PawnsOfTheCapturedKindGainFiveUntilTakenBack) {
    TBoard board = EmptyBoard();
    Put(board, "D4", Horse, Fire, 50);
    Put(board, "E6", Rook, Earth, 80);
    Put(board, "B2", RookPawn, Earth, 14);
    Put(board, "C3", RookPawn, Earth, 20);
    Put(board, "B3", QueenPawn, Earth, 11);
    Put(board, "G5", RookPawn, Water, 14);
    Put(board, "G2", RookPawn, Fire, 14);
    const TBoard before = board;

    const SquareRecord target = Listed(board, "D4", Horse, "E6");
    ASSERT_EQ(target.capture, 1);
    MakeMove(board, Origin("D4"), target);
    EXPECT_EQ(On(board, "B2").value, 19);
    EXPECT_EQ(On(board, "C3").value, 25);
    EXPECT_EQ(On(board, "B3").value, 11);
    EXPECT_EQ(On(board, "G5").value, 14);
    EXPECT_EQ(On(board, "G2").value, 14);
    UndoMove(board, target, Origin("D4"));
    EXPECT_TRUE(SameBoard(board, before));

    // A captured pawn gives no bonus.
    Put(board, "E6", BishopPawn, Earth, 12);
    Put(board, "A1", BishopPawn, Earth, 12);
    MakeMove(board, Origin("D4"), Listed(board, "D4", Horse, "E6"));
    EXPECT_EQ(On(board, "A1").value, 12);
}

// Status 66W: Ptah F6, Questioner army 4, order "SREH": the companion is a
// Queen, and army 4 has the Queen bonus.
TEST(CombinedKingSplit, EachHalfMovesAndUndoRebuildsTheSum) {
    for (const bool asKing : {false, true}) {
        TBoard board = EmptyBoard("66W");
        ASSERT_EQ(board.CompanionKind(), Queen);
        board.SetPlayerCode(Water, 5);
        board.PutPiece(8, 8, TPiece{CombinedKing, Water, Earth, 5, 100});
        Put(board, "G7", Bishop, Fire, 40);  // captured by either half
        Put(board, "C7", BishopPawn, Fire, 12);
        const TBoard before = board;

        SquareRecord target = asKing ? Listed(board, "H8", King, "G7") : Origin("H6");
        if (asKing) {
            ASSERT_EQ(target.capture, 1);
        }
        MakeCombinedKingMove(board, Origin("H8"), target, asKing);

        const TPiece king{King, Water, Earth, 5, 50};
        const TPiece queen{Queen, Water, Earth, 5, 50};
        EXPECT_EQ(On(board, "H8"), asKing ? queen : king);
        EXPECT_EQ(board.At(target.rank, target.file), asKing ? king : queen);
        EXPECT_EQ(On(board, "C7").value, asKing ? 17 : 12);

        UndoMove(board, target, Origin("H8"));
        EXPECT_TRUE(SameBoard(board, before)) << asKing;
    }
}

TEST(CombinedKingSplit, CompanionWithoutBonusAndFaults) {
    TBoard board = EmptyBoard("66W");
    Put(board, "A1", CombinedKing, Earth, 80);
    MakeCombinedKingMove(board, Origin("A1"), Origin("A3"), false);
    EXPECT_EQ(On(board, "A3").value, 30);
    EXPECT_EQ(On(board, "A3").kind, Queen);
    EXPECT_THROW(MakeCombinedKingMove(board, Origin("A3"), Origin("A5"), false), TInternalError);
}

TEST(Promotion, WaterPawnOnFileABecomesItsPieceInTheSameMove) {
    TBoard board = EmptyBoard("66W");  // army 4 has the Queen bonus
    Put(board, "B5", QueenPawn, Water, 26);
    Put(board, "A3", RookPawn, Earth, 14);  // another army on file A stays a pawn
    Put(board, "A7", BishopPawn, Air, 12);
    const SquareRecord target = Listed(board, "B5", QueenPawn, "A5");
    ASSERT_EQ(target.promotes, 1);
    MakeMove(board, Origin("B5"), target);
    EXPECT_EQ(On(board, "A5").kind, Queen);
    EXPECT_EQ(On(board, "A5").value, 50);
    EXPECT_EQ(On(board, "A3").kind, RookPawn);
    EXPECT_EQ(On(board, "A7").kind, BishopPawn);
}

TEST(Promotion, PromoteTurnsOnlyTheArmysPawnsOnItsLine) {
    TBoard board = EmptyBoard("21A");  // Bishop bonus for armies 2 and 4, Queen bonus army 3
    Put(board, "H2", BishopPawn, Earth, 30);
    Put(board, "H5", HorsePawn, Earth, 30);
    Put(board, "H7", RookPawn, Water, 14);
    Put(board, "G3", QueenPawn, Earth, 11);
    Put(board, "A1", QueenPawn, Air, 11);
    Promote(board, Earth);
    EXPECT_EQ(On(board, "H2"), (TPiece{Bishop, Earth, Water, 1, 60}));
    EXPECT_EQ(On(board, "H5"), (TPiece{Horse, Earth, Water, 1, 50}));
    EXPECT_EQ(On(board, "H7").kind, RookPawn);
    EXPECT_EQ(On(board, "G3").kind, QueenPawn);
    Promote(board, Air);
    EXPECT_EQ(On(board, "A1"), (TPiece{Queen, Air, Fire, 1, 50}));
    EXPECT_THROW(Promote(board, 0), TInternalError);
}

TEST(Promotion, TakeBackRebuildsThePawnValueFromItsKindsLeft) {
    struct TCase {
        std::int32_t pawnKind;
        std::int32_t pieceKind;
        int othersOfKind;
        std::int32_t expected;
    };
    const TCase cases[] = {
        {QueenPawn, Queen, 0, 30},
        {HorsePawn, Horse, 1, 27},
        {RookPawn, Rook, 2, 23},
        {BishopPawn, Bishop, 0, 34},
    };
    for (const TCase& c : cases) {
        TBoard board = EmptyBoard();
        Put(board, "G7", c.pawnKind, Fire, 28);
        Put(board, "F8", Rook, Earth, 80);
        Put(board, "C2", RookPawn, Earth, 14);
        const char* others[2] = {"A3", "B4"};
        for (int i = 0; i < c.othersOfKind; ++i) Put(board, others[i], c.pieceKind, Fire, 70);
        TBoard before = board;

        const SquareRecord target = Listed(board, "G7", c.pawnKind, "F8");
        ASSERT_EQ(target.promotes, 1);
        MakeMove(board, Origin("G7"), target);
        EXPECT_EQ(On(board, "F8").kind, c.pieceKind);
        EXPECT_EQ(On(board, "C2").value, 19);
        UndoMove(board, target, Origin("G7"));

        before.At(7, 7).value = c.expected;
        EXPECT_TRUE(SameBoard(board, before)) << c.pawnKind << " value " << On(board, "G7").value;
    }
}

}  // namespace
}  // namespace vaeloric
