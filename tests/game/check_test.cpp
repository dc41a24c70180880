// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/check.h"

#include <gtest/gtest.h>

#include "game/internal_error.h"
#include "position.h"

namespace vaeloric {
namespace {

using test::EmptyBoard;
using test::Names;
using test::Origin;
using test::Put;
using test::SameBoard;
using test::Sq;

std::int32_t StatusAt(TBoard& board, const char* king, std::int32_t army) {
    const TBoard before = board;
    const std::int32_t status = CheckStatus(board, Sq(king), army);
    EXPECT_TRUE(SameBoard(board, before)) << "CheckStatus changed the board";
    return status;
}

TEST(Attackers, RecordedInGeneratorOrderAndClosedByTheSquare) {
    TBoard board = EmptyBoard();
    Put(board, "E6", Queen, Earth);  // jumps over the King on E5
    Put(board, "E5", King, Earth);   // a King never attacks
    Put(board, "F6", Horse, Water);
    Put(board, "E1", Rook, Earth);
    Put(board, "B7", Bishop, Water);
    Put(board, "D3", HorsePawn, Earth);
    Put(board, "F5", HorsePawn, Water);
    Put(board, "H4", Rook, Air);  // ally of Fire
    Put(board, "E4", Queen, Fire);

    TAttackerList list;
    EXPECT_EQ(ListAttackers(board, Sq("E4"), Fire, list), 6);
    EXPECT_EQ(Names(list), "E6 F6 E1 B7 D3 F5");
    ASSERT_TRUE(list.HasClosingEntry());
    EXPECT_EQ(SquareName(list.ClosingEntry()), "E4");
    EXPECT_EQ(CountAttackers(board, Sq("E4"), Fire), 6);
    // Seen from army 2, only Fire's ally Rook on H4 attacks, and it is
    // blocked by nothing: E4 itself is not considered.
    EXPECT_EQ(ListAttackers(board, Sq("E4"), Earth, list), 1);
    EXPECT_EQ(Names(list), "H4");

    EXPECT_THROW(ListAttackers(board, Sq("E4"), 0, list), TInternalError);
    EXPECT_THROW(CountAttackers(board, Sq("E4"), 5), TInternalError);
}

TEST(Attackers, PawnsAttackOnlyDiagonallyForwards) {
    struct TCase {
        std::int32_t pawnArmy;
        const char* pawn;
        const char* attacked;  // neighbours attacked, in rank 1..8, file 1..8 order
    };
    const TCase cases[] = {
        {Air, "B5", "A4 C4"},
        {Fire, "B3", "A4 C4"},
        {Earth, "D4", "E3 E5"},
        {Water, "D4", "C3 C5"},
    };
    for (const TCase& c : cases) {
        TBoard board = EmptyBoard();
        Put(board, c.pawn, BishopPawn, c.pawnArmy);
        const std::int32_t enemy = NextArmy(c.pawnArmy);
        std::string attacked;
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file) {
                const TSquare square{rank, file};
                if (CountAttackers(board, square, enemy) == 0) continue;
                if (!attacked.empty()) attacked += ' ';
                attacked += SquareName(square);
                EXPECT_EQ(CountAttackers(board, square, AllyOf(c.pawnArmy)), 0);
            }
        EXPECT_EQ(attacked, c.attacked) << c.pawnArmy << c.pawn;
    }
}

TEST(Attackers, CombinedKingAttacksAsItsCompanionOnly) {
    TBoard board = EmptyBoard("15W");  // order "HERS": Horse companions
    ASSERT_EQ(board.CompanionKind(), Horse);
    Put(board, "D4", CombinedKing, Earth);
    EXPECT_EQ(CountAttackers(board, Sq("F5"), Fire), 1);
    EXPECT_EQ(CountAttackers(board, Sq("E5"), Fire), 0);
    EXPECT_EQ(CountAttackers(board, Sq("D6"), Fire), 0);
    EXPECT_TRUE(HostileKingAdjacent(board, Sq("E5"), Fire));
    EXPECT_FALSE(HostileKingAdjacent(board, Sq("E5"), Water));  // its ally
    EXPECT_FALSE(HostileKingAdjacent(board, Sq("E5"), Earth));
    EXPECT_FALSE(HostileKingAdjacent(board, Sq("F6"), Fire));
}

TEST(KingMovesTest, NeverNextToAHostileKingAndNoCheckFromAKing) {
    TBoard board = EmptyBoard();
    Put(board, "E3", King, Fire);
    Put(board, "E5", King, Earth);
    TMoveList<kKingListSize> list;
    KingMoves(board, Origin("E3"), Fire, list);
    EXPECT_EQ(Names(list), "F3 F2 E2 D2 D3");
    EXPECT_EQ(StatusAt(board, "E3", Fire), kNotInCheck);

    Put(board, "E5", King, Air);  // an allied King may stand next to it
    KingMoves(board, Origin("E3"), Fire, list);
    EXPECT_EQ(Names(list), "E4 F4 F3 F2 E2 D2 D3 D4");
}

TEST(KingMovesTest, TheKingDoesNotShieldItsOwnEscapeOrADefendedPiece) {
    TBoard board = EmptyBoard();
    Put(board, "D4", King, Fire);
    Put(board, "A4", Rook, Earth);
    Put(board, "C8", Rook, Earth);
    Put(board, "C5", HorsePawn, Earth);  // defended by the Rook on C8
    Put(board, "E5", RookPawn, Water);   // undefended
    const TBoard before = board;
    TMoveList<kKingListSize> list;
    EXPECT_EQ(KingMoves(board, Origin("D4"), Fire, list), 5);
    EXPECT_EQ(Names(list), "D5 E5 E3 D3 C3");
    EXPECT_EQ(list[1].capture, 1);
    EXPECT_EQ(list[1].captured.kind, RookPawn);
    EXPECT_TRUE(SameBoard(board, before));
}

// Fire King on H1 boxed in by its own pieces on G1 and G2 (H2 is empty but
// on an attacked line, or also boxed).
TEST(CheckStatusTest, QueenJumpsSoOnlyCaptureBreaksItsCheck) {
    TBoard board = EmptyBoard();
    Put(board, "H1", King, Fire);
    Put(board, "G1", Rook, Fire);
    Put(board, "G2", Rook, Fire);
    Put(board, "H2", RookPawn, Fire);  // stands between, blocks nothing
    Put(board, "H3", Queen, Earth);
    Put(board, "A2", Horse, Fire);  // can move, but not to H3
    EXPECT_EQ(CountAttackers(board, Sq("H1"), Fire), 1);
    EXPECT_EQ(StatusAt(board, "H1", Fire), kCheckmated);

    Put(board, "F5", Bishop, Fire);  // reaches H3
    EXPECT_EQ(StatusAt(board, "H1", Fire), kInCheck);
}

TEST(CheckStatusTest, BlockingARookAndTheAllyThatCannotHelp) {
    struct TCase {
        const char* name;
        std::int32_t blockerArmy;  // a Horse on F4 that can step onto H3 or H5
        bool secondAttacker;
        std::int32_t expected;
    };
    const TCase cases[] = {
        {"own blocker", Fire, false, kInCheck},
        {"ally blocker", Air, false, kCheckmated},
        {"two attackers", Fire, true, kCheckmated},
    };
    for (const TCase& c : cases) {
        TBoard board = EmptyBoard();
        Put(board, "H1", King, Fire);
        Put(board, "G1", Rook, Fire);
        Put(board, "G2", HorsePawn, Fire);
        Put(board, "H6", Rook, Earth);
        Put(board, "F4", Horse, c.blockerArmy);
        if (c.secondAttacker) Put(board, "G3", Horse, Water);
        EXPECT_EQ(StatusAt(board, "H1", Fire), c.expected) << c.name;
    }
}

TEST(CheckStatusTest, KingWithAFreeSquareIsOnlyInCheck) {
    TBoard board = EmptyBoard();
    Put(board, "H1", King, Fire);
    Put(board, "H6", Rook, Earth);
    Put(board, "G3", Horse, Water);
    EXPECT_EQ(StatusAt(board, "H1", Fire), kInCheck);  // G2 is free
}

TEST(FindKingTest, FirstKingOfTheArmyAndDistanceToPtah) {
    TBoard board = EmptyBoard("21A");  // Ptah A2
    TSquare king{3, 3};
    EXPECT_FALSE(FindKing(board, Earth, king));
    EXPECT_EQ(SquareName(king), "C3");
    EXPECT_EQ(KingDistanceToPtah(board, Earth), -1);

    Put(board, "F5", CombinedKing, Earth);
    Put(board, "D6", King, Earth);
    Put(board, "B1", King, Water);
    EXPECT_TRUE(FindKing(board, Earth, king));
    EXPECT_EQ(SquareName(king), "F5");
    EXPECT_EQ(KingDistanceToPtah(board, Earth), 5);
    EXPECT_EQ(KingDistanceToPtah(board, Water), 1);
}

}  // namespace
}  // namespace vaeloric
