// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/dice_rule.h"

#include <gtest/gtest.h>

#include "game/check.h"
#include "position.h"

namespace vaeloric {
namespace {

using test::EmptyBoard;
using test::On;
using test::Put;
using test::SameBoard;
using test::Sq;

TEST(DiceRule, WhichKindsEachFaceMoves) {
    const TBoard board = EmptyBoard("21A");  // Rook companions
    ASSERT_EQ(board.CompanionKind(), Rook);
    struct TCase {
        std::int32_t kind;
        std::int32_t asKind[8];  // faces 0..7
    };
    const TCase cases[] = {
        {HorsePawn, {0, HorsePawn, 0, 0, 0, 0, HorsePawn, 0}},
        {BishopPawn, {0, BishopPawn, 0, 0, 0, 0, BishopPawn, 0}},
        {Queen, {0, 0, 0, 0, Queen, 0, 0, 0}},
        {Horse, {0, 0, Horse, 0, 0, 0, 0, 0}},
        {Rook, {0, 0, 0, 0, 0, Rook, 0, 0}},
        {Bishop, {0, 0, 0, Bishop, 0, 0, 0, 0}},
        {King, {0, King, 0, 0, 0, 0, 0, 0}},
        {CombinedKing, {0, King, 0, 0, 0, Rook, 0, 0}},
        {Empty, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const TCase& c : cases)
        for (int face = 0; face < 8; ++face) {
            EXPECT_EQ(MoveKindForFace(board, face, c.kind), c.asKind[face])
                << c.kind << " face " << face;
            EXPECT_EQ(FaceAllowsKind(board, face, c.kind), c.asKind[face] != 0);
        }
    EXPECT_EQ(FaceForKind(board, CombinedKing), 5);
    EXPECT_EQ(FaceForKind(board, RookPawn), 6);
    EXPECT_EQ(FaceForKind(board, King), 0);
    EXPECT_EQ(MoveKindForFace(EmptyBoard("66W"), 4, CombinedKing), Queen);
}

TEST(MoveLegality, RefusalsLeaveTheBoardUnchanged) {
    TBoard board = EmptyBoard();
    Put(board, "E1", King, Fire);
    Put(board, "E2", Rook, Fire);  // pinned by the Rook on E8
    Put(board, "E8", Rook, Earth);
    Put(board, "A5", Rook, Fire);
    Put(board, "D5", King, Earth);  // on the Rook's ray, never capturable
    Put(board, "C7", HorsePawn, Fire);
    struct TCase {
        const char* from;
        const char* to;
        TDieFace face;
        TMoveRefusal refusal;
    };
    const TCase cases[] = {
        {"E8", "E7", 5, TMoveRefusal::NotOwnPiece},  {"B2", "B3", 6, TMoveRefusal::NotOwnPiece},
        {"A5", "A6", 4, TMoveRefusal::FaceForbids},  {"E1", "F1", 6, TMoveRefusal::FaceForbids},
        {"A5", "A5", 5, TMoveRefusal::SameSquare},   {"A5", "D5", 5, TMoveRefusal::OntoKing},
        {"A5", "B6", 5, TMoveRefusal::NotInList},    {"E1", "E3", 1, TMoveRefusal::NotInList},
        {"E2", "F2", 5, TMoveRefusal::KingAttacked}, {"E1", "D1", 1, TMoveRefusal::None},
        {"E2", "E5", 5, TMoveRefusal::None},         {"C7", "C8", 1, TMoveRefusal::None},
    };
    for (const TCase& c : cases) {
        const TBoard before = board;
        EXPECT_EQ(IsLegalMove(board, Fire, c.face, Sq(c.from), Sq(c.to)),
                  c.refusal == TMoveRefusal::None)
            << c.from << c.to;
        EXPECT_TRUE(SameBoard(board, before)) << c.from << c.to;
        const TMoveAttempt attempt = TryMove(board, Fire, c.face, Sq(c.from), Sq(c.to));
        EXPECT_EQ(attempt.refusal, c.refusal) << c.from << c.to;
        if (c.refusal != TMoveRefusal::None) {
            EXPECT_TRUE(SameBoard(board, before)) << c.from << c.to;
        }
        board = before;
    }
}

TEST(MoveLegality, MadeMovesPromoteAndReportTheirRecord) {
    TBoard board = EmptyBoard();
    Put(board, "H1", King, Fire);
    Put(board, "C7", HorsePawn, Fire, 28);
    Put(board, "D8", Bishop, Earth, 40);
    Put(board, "A3", BishopPawn, Earth, 12);
    const TMoveAttempt attempt = TryMove(board, Fire, 6, Sq("C7"), Sq("D8"));
    ASSERT_EQ(attempt.refusal, TMoveRefusal::None);
    EXPECT_EQ(attempt.movedAsKind, HorsePawn);
    EXPECT_EQ(attempt.target.capture, 1);
    EXPECT_EQ(attempt.target.captured.kind, Bishop);
    EXPECT_EQ(attempt.target.promotes, 0);
    EXPECT_EQ(On(board, "D8"), (TPiece{Horse, Fire, Air, 1, 50}));
    EXPECT_EQ(On(board, "A3").value, 17);
}

TEST(MoveLegality, CombinedKingMovesOneStepOnOneAndAsCompanionOnItsFace) {
    TBoard board = EmptyBoard("21A");  // Rook companions
    Put(board, "A1", CombinedKing, Earth, 130);
    EXPECT_FALSE(IsLegalMove(board, Earth, 1, Sq("A1"), Sq("A3")));
    EXPECT_FALSE(IsLegalMove(board, Earth, 6, Sq("A1"), Sq("A2")));
    EXPECT_TRUE(IsLegalMove(board, Earth, 5, Sq("A1"), Sq("A3")));

    TBoard asKing = board;
    TMoveAttempt attempt = TryMove(asKing, Earth, 1, Sq("A1"), Sq("B2"));
    ASSERT_EQ(attempt.refusal, TMoveRefusal::None);
    EXPECT_EQ(attempt.movedAsKind, King);
    EXPECT_EQ(On(asKing, "B2").kind, King);
    EXPECT_EQ(On(asKing, "A1").kind, Rook);

    attempt = TryMove(board, Earth, 5, Sq("A1"), Sq("A3"));
    ASSERT_EQ(attempt.refusal, TMoveRefusal::None);
    EXPECT_EQ(attempt.movedAsKind, Rook);
    EXPECT_EQ(On(board, "A1").kind, King);
    EXPECT_EQ(On(board, "A3").kind, Rook);
}

TEST(MoveLegality, OnlyTheQuestionersKingReachesPtah) {
    TBoard board = EmptyBoard("21A");  // Ptah A2, Questioner army 2, Rook companions
    Put(board, "A1", CombinedKing, Earth);
    TBoard byCompanion = board;
    const TMoveAttempt asRook = TryMove(byCompanion, Earth, 5, Sq("A1"), Sq("A2"));
    ASSERT_EQ(asRook.refusal, TMoveRefusal::None);
    EXPECT_FALSE(BringsQuestionerToPtah(byCompanion, Earth, asRook.movedAsKind, Sq("A2")));
    const TMoveAttempt asKing = TryMove(board, Earth, 1, Sq("A1"), Sq("A2"));
    ASSERT_EQ(asKing.refusal, TMoveRefusal::None);
    EXPECT_TRUE(BringsQuestionerToPtah(board, Earth, asKing.movedAsKind, Sq("A2")));
    EXPECT_FALSE(BringsQuestionerToPtah(board, Air, King, Sq("A2")));
    EXPECT_FALSE(BringsQuestionerToPtah(board, Earth, King, Sq("B2")));
}

TEST(MoveLegality, KingAttackedFollowsFindKing) {
    TBoard board = EmptyBoard();
    EXPECT_FALSE(KingAttacked(board, Fire));  // no King at all
    Put(board, "H1", King, Fire);
    Put(board, "H8", Rook, Water);
    EXPECT_TRUE(KingAttacked(board, Fire));
    Put(board, "H5", RookPawn, Air);
    EXPECT_FALSE(KingAttacked(board, Fire));
}

}  // namespace
}  // namespace vaeloric
