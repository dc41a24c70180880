// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "game/board.h"
#include "game/internal_error.h"

namespace vaeloric {
namespace {

TBoard SetUpBoard(const std::string& status) {
    TBoard board;
    board.SetUp(TSquare{status[0] - '0', status[1] - '0'}, status[2]);
    return board;
}

std::int32_t KindAt(const TBoard& board, const std::string& square) {
    TSquare s;
    EXPECT_TRUE(ParseSquareName(square, s));
    return board.GetPiece(s.rank, s.file).kind;
}

std::int32_t ValueAt(const TBoard& board, const std::string& square) {
    TSquare s;
    EXPECT_TRUE(ParseSquareName(square, s));
    return board.GetPiece(s.rank, s.file).value;
}

TEST(BoardSetUp, ConstructionDefaultIsPtahA2OnTheAirFamily) {
    const TBoard board;
    EXPECT_TRUE(SquaresEqual(board.ptah, TSquare{2, 1}));
    EXPECT_EQ(board.questionerArmy, 2);
    EXPECT_EQ(board.armyToMove, 2);
    EXPECT_EQ(std::string(board.orderString), "EHSR");
    EXPECT_EQ(board.CompanionKind(), Rook);
    for (std::int32_t army = 1; army <= 4; ++army) EXPECT_EQ(board.GetPlayerCode(army), 1);

    // Every corner holds a CombinedKing with a Rook companion and its RookPawn.
    for (const char* corner : {"H1", "A1", "A8", "H8"}) {
        EXPECT_EQ(KindAt(board, corner), CombinedKing) << corner;
        EXPECT_EQ(ValueAt(board, corner), 130) << corner;
    }
    for (const char* pawn : {"H2", "B1", "A7", "G8"}) EXPECT_EQ(KindAt(board, pawn), RookPawn);

    // A2 gives army 3 the Queen bonus and armies 2 and 4 the Bishop bonus.
    // "EHSR": Queens on position 2, Bishops on position 3.
    EXPECT_EQ(ValueAt(board, "C8"), 50);  // army 3 Queen
    EXPECT_EQ(ValueAt(board, "F1"), 30);  // army 1 Queen
    EXPECT_EQ(ValueAt(board, "A4"), 60);  // army 2 Bishop
    EXPECT_EQ(ValueAt(board, "H5"), 60);  // army 4 Bishop
    EXPECT_EQ(ValueAt(board, "E1"), 40);  // army 1 Bishop
    EXPECT_EQ(ValueAt(board, "D8"), 40);  // army 3 Bishop
}

TEST(BoardSetUp, EveryStatusGivesThirtyTwoPiecesOfTheRightMix) {
    for (const char letter : {'W', 'A', 'E', 'F'})
        for (char rank = '1'; rank <= '8'; ++rank)
            for (char file = '1'; file <= '8'; ++file) {
                const TBoard board = SetUpBoard(std::string{rank, file, letter});
                int kings = 0, pawns = 0, others = 0, empties = 0;
                for (int r = 1; r <= 8; ++r)
                    for (int f = 1; f <= 8; ++f) {
                        const TPiece piece = board.GetPiece(r, f);
                        if (piece.kind == Empty) {
                            ++empties;
                            EXPECT_EQ(piece, TPiece{});
                            EXPECT_EQ(piece.value, -2147483647);
                        } else {
                            EXPECT_EQ(piece.ally, AllyOf(piece.army));
                            EXPECT_EQ(piece.playerCode, 1);
                            if (piece.kind == CombinedKing)
                                ++kings;
                            else if (IsPawnKind(piece.kind))
                                ++pawns;
                            else
                                ++others;
                        }
                    }
                EXPECT_EQ(kings, 4);
                EXPECT_EQ(pawns, 16);
                EXPECT_EQ(others, 12);
                EXPECT_EQ(empties, 32);
                EXPECT_EQ(board.questionerArmy, QuadrantArmy(TSquare{rank - '0', file - '0'}));
                EXPECT_EQ(board.armyToMove, board.questionerArmy);
            }
}

TEST(BoardSetUp, OrderStringDependsOnBoardFamilyAndQuestioner) {
    struct Row {
        const char* status;
        const char* order;
        std::int32_t element;
    };
    const Row rows[] = {
        {"45W", "HERS", 2}, {"45A", "HERS", 1}, {"45F", "HSRE", 3}, {"45E", "HSRE", 4},
        {"44W", "EHSR", 2}, {"44F", "ERSH", 3}, {"54A", "RSHE", 1}, {"54E", "REHS", 4},
        {"55W", "SREH", 2}, {"55F", "SHER", 3},
    };
    for (const Row& row : rows) {
        const TBoard board = SetUpBoard(row.status);
        EXPECT_EQ(std::string(board.orderString), row.order) << row.status;
        EXPECT_EQ(board.elementCode, row.element) << row.status;
    }
    // Water and Air set up alike, as do Fire and Earth; the families differ.
    const TBoard water = SetUpBoard("36W"), air = SetUpBoard("36A");
    const TBoard fire = SetUpBoard("36F"), earth = SetUpBoard("36E");
    bool familiesDiffer = false;
    for (int r = 1; r <= 8; ++r)
        for (int f = 1; f <= 8; ++f) {
            EXPECT_EQ(water.GetPiece(r, f), air.GetPiece(r, f));
            EXPECT_EQ(fire.GetPiece(r, f), earth.GetPiece(r, f));
            familiesDiffer |= water.GetPiece(r, f).kind != fire.GetPiece(r, f).kind;
        }
    EXPECT_TRUE(familiesDiffer);
}

TEST(BoardSetUp, WaterExampleWithTheQuestionerOnFire) {
    const TBoard board = SetUpBoard("45W");  // Ptah E4: army 1, "HERS"
    EXPECT_EQ(board.questionerArmy, 1);
    for (const char* corner : {"H1", "A1", "A8", "H8"})
        EXPECT_EQ(KindAt(board, corner), CombinedKing);
    for (const char* s : {"H2", "B1", "A7", "G8"}) EXPECT_EQ(KindAt(board, s), HorsePawn);
    for (const char* s : {"G1", "A2", "B8", "H7"}) EXPECT_EQ(KindAt(board, s), Rook);
    for (const char* s : {"F1", "A3", "C8", "H6"}) EXPECT_EQ(KindAt(board, s), Bishop);
    for (const char* s : {"E1", "A4", "D8", "H5"}) EXPECT_EQ(KindAt(board, s), Queen);
    EXPECT_EQ(ValueAt(board, "H1"), 100);  // Horse companion + 50
    // E4: Queen bonus of army 2, Bishop bonus of armies 1 and 3.
    EXPECT_EQ(ValueAt(board, "A4"), 50);
    EXPECT_EQ(ValueAt(board, "F1"), 60);
    EXPECT_EQ(ValueAt(board, "C8"), 60);
    EXPECT_EQ(ValueAt(board, "A3"), 40);
    EXPECT_EQ(ValueAt(board, "E2"), 11);
    EXPECT_EQ(ValueAt(board, "G2"), 14);
    EXPECT_EQ(ValueAt(board, "F2"), 12);
}

TEST(BoardSetUp, QuadrantsDecideTheQuestionersArmy) {
    EXPECT_EQ(SetUpBoard("55W").questionerArmy, 4);
    EXPECT_EQ(SetUpBoard("44W").questionerArmy, 2);
    EXPECT_EQ(SetUpBoard("45W").questionerArmy, 1);
    EXPECT_EQ(SetUpBoard("54W").questionerArmy, 3);
}

TEST(BoardSetUp, PlayerCodesAreStampedOnPieces) {
    TBoard board;
    board.SetPlayerCode(3, 5);
    board.SetUp(TSquare{4, 5}, 'F');
    EXPECT_EQ(board.GetPiece(8, 1).playerCode, 5);
    board.SetPlayerCode(3, 2);
    EXPECT_EQ(board.GetPiece(8, 1).playerCode, 2);
    EXPECT_EQ(board.GetPiece(1, 1).playerCode, 1);
    EXPECT_EQ(board.GetPlayerCode(3), 2);
}

TEST(Armies, TurnOrderAlliesAndImpossibleCodes) {
    EXPECT_EQ(NextArmy(4), 1);
    EXPECT_EQ(NextArmy(2), 3);
    EXPECT_EQ(PreviousArmy(1), 4);
    EXPECT_EQ(PreviousArmy(3), 2);
    EXPECT_EQ(AllyOf(1), 3);
    EXPECT_EQ(AllyOf(2), 4);
    EXPECT_EQ(AllyOf(3), 1);
    EXPECT_EQ(AllyOf(4), 2);
    TBoard board;
    EXPECT_THROW(AllyOf(0), TInternalError);
    EXPECT_THROW(AllyOf(5), TInternalError);
    EXPECT_THROW(board.SetPlayerCode(0, 1), TInternalError);
    EXPECT_THROW(board.GetPlayerCode(5), TInternalError);
    EXPECT_EQ(KindOfOrderLetter('X'), Empty);
}

TEST(Squares, NamesParseInEitherCase) {
    TSquare square;
    ASSERT_TRUE(ParseSquareName("e4", square));
    EXPECT_TRUE(SquaresEqual(square, TSquare{4, 5}));
    EXPECT_EQ(SquareName(square), "E4");
    for (const char* bad : {"", "E", "I4", "E9", "E0", "E44", "4E"})
        EXPECT_FALSE(ParseSquareName(bad, square)) << bad;
}

}  // namespace
}  // namespace vaeloric
