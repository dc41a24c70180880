// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/moves.h"

#include <gtest/gtest.h>

#include "game/internal_error.h"
#include "position.h"

namespace vaeloric {
namespace {

using test::EmptyBoard;
using test::Names;
using test::On;
using test::Origin;
using test::Put;

TEST(PieceMovesOrder, QueenJumpsOverNeighboursInFixedOrder) {
    TBoard board = EmptyBoard();
    Put(board, "D4", Queen, Fire);
    for (const char* near : {"C3", "C4", "C5", "D3", "D5", "E3", "E4", "E5"})
        Put(board, near, HorsePawn, Earth);
    Put(board, "F6", Rook, Water);  // enemy: captured
    Put(board, "B2", Rook, Air);    // ally: skipped

    TMoveList<kQueenListSize> list;
    EXPECT_EQ(QueenMoves(board, Origin("D4"), Fire, list), 7);
    EXPECT_EQ(Names(list), "D6 F6 F4 F2 D2 B4 B6");
    EXPECT_EQ(list[1].capture, 1);
    EXPECT_EQ(list[1].captured, On(board, "F6"));
    EXPECT_EQ(list[0].capture, 0);
    EXPECT_EQ(list[0].captured, TPiece{});
    ASSERT_TRUE(list.HasClosingEntry());
    EXPECT_EQ(SquareName(list.ClosingEntry().Square()), "D4");
}

TEST(PieceMovesOrder, GeneratorsFromOneSquare) {
    struct TCase {
        const char* name;
        int (*generator)(const TBoard&, const SquareRecord&, std::int32_t, TMoveListBase&);
        const char* from;
        const char* expected;
    };
    const TCase cases[] = {
        {"rook A1", RookMoves, "A1", "A2 A3 A4 A5 A6 A7 A8 B1 C1 D1 E1 F1 G1 H1"},
        {"horse D4", HorseMoves, "D4", "E6 F5 F3 E2 C2 B3 B5 C6"},
        {"horse corner", HorseMoves, "H1", "F2 G3"},
        {"bishop D4", BishopMoves, "D4", "E5 F6 G7 H8 E3 F2 G1 C3 B2 A1 C5 B6 A7"},
        {"queen corner", QueenMoves, "A1", "A3 C3 C1"},
    };
    const TBoard board = EmptyBoard();
    for (const TCase& c : cases) {
        TMoveList<kRookListSize> list;
        c.generator(board, Origin(c.from), Fire, list);
        EXPECT_EQ(Names(list), c.expected) << c.name;
    }
}

TEST(PieceMovesOrder, RayStopsBeforeFriendAndOnEnemy) {
    TBoard board = EmptyBoard();
    Put(board, "D4", Rook, Earth);
    Put(board, "D6", Horse, Water);  // ally of army 2
    Put(board, "F4", Bishop, Fire);  // enemy
    Put(board, "D2", Queen, Earth);  // own
    TMoveList<kRookListSize> list;
    RookMoves(board, Origin("D4"), Earth, list);
    EXPECT_EQ(Names(list), "D5 E4 F4 D3 C4 B4 A4");
    EXPECT_EQ(list[2].capture, 1);
    EXPECT_EQ(list[2].captured.kind, Bishop);
}

TEST(PawnMovesOrder, EarthPawnOnB4) {
    struct TCase {
        const char* c5;  // what stands on C5, C4, C3: '-' empty, 'e' enemy, 'a' ally
        const char* expected;
    };
    const TCase cases[] = {
        {"e-e", "C5 C4 C3"}, {"---", "C4"}, {"eee", "C5 C3"}, {"a-a", "C4"}, {"-e-", ""},
    };
    for (const TCase& c : cases) {
        TBoard board = EmptyBoard();
        Put(board, "B4", RookPawn, Earth);
        const char* squares[3] = {"C5", "C4", "C3"};
        for (int i = 0; i < 3; ++i) {
            if (c.c5[i] == 'e') Put(board, squares[i], Queen, Air);
            if (c.c5[i] == 'a') Put(board, squares[i], Queen, Water);
        }
        TMoveList<kPawnListSize> list;
        PawnMoves(board, Origin("B4"), list);
        EXPECT_EQ(Names(list), c.expected) << c.c5;
        for (const SquareRecord& record : list) EXPECT_EQ(record.capture, record.rank != 4 ? 1 : 0);
    }
}

TEST(PawnMovesOrder, EveryArmyAdvancesAndFlagsItsPromotionLine) {
    struct TCase {
        std::int32_t army;
        const char* from;
        const char* expected;  // straight step only on an empty board, then with enemies around
        const char* withEnemies;
        std::int32_t promotes;
    };
    const TCase cases[] = {
        {Fire, "D7", "D8", "C8 D8 E8", 1},  {Fire, "D3", "D4", "C4 D4 E4", 0},
        {Earth, "G4", "H4", "H5 H4 H3", 1}, {Earth, "C4", "D4", "D5 D4 D3", 0},
        {Air, "D2", "D1", "C1 D1 E1", 1},   {Air, "D6", "D5", "C5 D5 E5", 0},
        {Water, "B4", "A4", "A5 A4 A3", 1}, {Water, "F4", "E4", "E5 E4 E3", 0},
    };
    for (const TCase& c : cases) {
        TBoard board = EmptyBoard();
        Put(board, c.from, QueenPawn, c.army);
        TMoveList<kPawnListSize> list;
        PieceMoves(board, Origin(c.from), QueenPawn, list);
        EXPECT_EQ(Names(list), c.expected) << c.army << c.from;
        ASSERT_EQ(list.Size(), 1);
        EXPECT_EQ(list[0].promotes, c.promotes);

        // Surround the pawn by enemies except straight ahead.
        const std::int32_t enemy = NextArmy(c.army);
        for (int dr = -1; dr <= 1; ++dr)
            for (int df = -1; df <= 1; ++df) {
                const int rank = test::Sq(c.from).rank + dr;
                const int file = test::Sq(c.from).file + df;
                if ((dr || df) && OnBoard(rank, file) &&
                    !(rank == list[0].rank && file == list[0].file))
                    board.PutPiece(rank, file, test::MakePiece(Horse, enemy));
            }
        PieceMoves(board, Origin(c.from), QueenPawn, list);
        EXPECT_EQ(Names(list), c.withEnemies) << c.army << c.from;
        for (const SquareRecord& record : list) EXPECT_EQ(record.promotes, c.promotes);
    }
}

TEST(PieceMovesDispatch, KindsAndFaults) {
    TBoard board = EmptyBoard();
    Put(board, "E4", CombinedKing, Fire);
    TPieceMoveList list;
    EXPECT_EQ(PieceMoves(board, Origin("E4"), King, list), 8);
    EXPECT_EQ(PieceMoves(board, Origin("E4"), Rook, list), 14);
    EXPECT_THROW(PieceMoves(board, Origin("E4"), CombinedKing, list), TInternalError);
    EXPECT_THROW(PieceMoves(board, Origin("E4"), 11, list), TInternalError);
    EXPECT_THROW(PieceMoves(board, Origin("D4"), HorsePawn, list),
                 TInternalError);  // no pawn there
    EXPECT_THROW(QueenMoves(board, Origin("E4"), 5, list), TInternalError);
}

TEST(MoveListType, NeverWritesPastItsEnd) {
    const TBoard board = EmptyBoard();
    TMoveList<3> small;
    EXPECT_EQ(RookMoves(board, Origin("A1"), Fire, small), 3);
    EXPECT_FALSE(small.HasClosingEntry());
    EXPECT_EQ(Names(small), "A2 A3 A4");

    TMoveList<kRookListSize> full;
    RookMoves(board, Origin("A1"), Fire, full);
    EXPECT_EQ(full.Size(), 14);
    EXPECT_TRUE(full.HasClosingEntry());
    EXPECT_FALSE(full.Push(SquareRecord{}) && full.Push(SquareRecord{}));
    EXPECT_EQ(full.Size(), 15);

    TMoveList<kRookListSize> copy = full;
    EXPECT_EQ(Names(copy), Names(full));
}

TEST(ListContainsTest, FindsOnlyListedDestinations) {
    const TBoard board = EmptyBoard();
    TMoveList<kRookListSize> list;
    RookMoves(board, Origin("A1"), Fire, list);
    EXPECT_TRUE(ListContains(Origin("A1"), Origin("H1"), list));
    EXPECT_TRUE(ListContains(Origin("A1"), Origin("A8"), list));
    EXPECT_FALSE(ListContains(Origin("A1"), Origin("B2"), list));
    EXPECT_FALSE(ListContains(Origin("A1"), Origin("A1"), list));
}

}  // namespace
}  // namespace vaeloric
