// SPDX-License-Identifier: GPL-3.0-or-later

// Move entry on the board: picking up, dropping, the check refusal, the Ptah
// flag and the square shown in the panels.
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

// Army 1's King on E1 shielded by its Rook on E2 from army 2's Rook on E8;
// a Queen on A2 and a pawn-free board otherwise.
class MoveEntry : public GameFlow {
  protected:
    void SetUp() override {
        GameFlow::SetUp();
        StartLauncher();
        ClearBoard();
        Place(1, 5, King, 1);
        Place(2, 5, Rook, 1);
        Place(2, 1, Queen, 1);
        Place(8, 5, Rook, 2);
        Place(8, 8, King, 2);
        layer.Forget();
    }
};

TEST_F(MoveEntry, OnlyAPieceTheThrowAllowsIsPickedUp) {
    Enter(4);
    EXPECT_FALSE(controller->PickUp(Sq(2, 5)));  // the Rook: a 4 moves the Queen
    controller->Drop(Sq(2, 5));
    EXPECT_TRUE(controller->PickUp(Sq(2, 1)));
    EXPECT_EQ(controller->HeldMoveKind(), Queen);
    controller->Drop(Sq(2, 1));  // dropped on its own square: nothing happens
    EXPECT_FALSE(controller->PieceHeld());
    EXPECT_EQ(Board().GetPiece(2, 1).kind, Queen);
    EXPECT_FALSE(controller->PickUp(Sq(8, 5)));  // an opponent's piece
    EXPECT_TRUE(layer.boxes.empty());
    EXPECT_EQ(Turn().throwValue, 4);
}

TEST_F(MoveEntry, IllegalDropsAreSilentAndKeepTheThrow) {
    Enter(4);
    Drag(Sq(2, 1), Sq(6, 1));  // a Queen moves two squares at most
    Drag(Sq(2, 1), Sq(1, 5));  // onto a King
    EXPECT_TRUE(layer.boxes.empty());
    EXPECT_EQ(Board().GetPiece(2, 1).kind, Queen);
    EXPECT_EQ(Turn().throwValue, 4);
    EXPECT_EQ(Board().armyToMove, 1);
    // The same throw still moves the Queen.
    Drag(Sq(2, 1), Sq(4, 1));
    EXPECT_EQ(Board().GetPiece(4, 1).kind, Queen);
    EXPECT_EQ(Board().armyToMove, 2);
    EXPECT_EQ(Turn().throwValue, 0);
}

TEST_F(MoveEntry, MoveLeavingTheKingAttackedIsTakenBackWithTheInfoBox) {
    Enter(5);
    const TBoard before = Board();
    Drag(Sq(2, 5), Sq(2, 6));
    ASSERT_EQ(layer.boxes.size(), 1u);
    EXPECT_EQ(layer.boxes[0],
              (TMessageBox{"Your King is in check.\nYou must break the check to move.", "info",
                           TBoxButtons::Ok, TBoxIcon::None}));
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            EXPECT_EQ(Board().GetPiece(rank, file), before.GetPiece(rank, file));
    EXPECT_EQ(Turn().throwValue, 5);
    EXPECT_EQ(Board().armyToMove, 1);
    // Along the file the Rook still shields the King.
    Drag(Sq(2, 5), Sq(5, 5));
    EXPECT_EQ(layer.boxes.size(), 1u);
    EXPECT_EQ(Board().GetPiece(5, 5).kind, Rook);
    EXPECT_EQ(Board().armyToMove, 2);
}

TEST_F(MoveEntry, CaptureFillsTheLastMoveRecordAndTheReadings) {
    Enter(5);
    Drag(Sq(2, 5), Sq(8, 5));  // takes army 2's Rook
    EXPECT_EQ(Turn().lastMove.rank, 8);
    EXPECT_EQ(Turn().lastMove.file, 5);
    EXPECT_EQ(Turn().lastMove.capture, 1);
    EXPECT_EQ(Turn().lastMove.captured.kind, Rook);
    EXPECT_EQ(Turn().lastMove.captured.army, 2);
    EXPECT_TRUE(controller->Modified());
    ASSERT_EQ(layer.readings.size(), 1u);
    EXPECT_NE(layer.readings[0].second, "No moves made.");
}

TEST_F(MoveEntry, PtahFlagOnlyForTheQuestionersKing) {
    // E4 is the Ptah square; army 3 is the Questioner's ally.
    Board().PutPiece(8, 5, TPiece{});
    Place(3, 4, King, 3);
    Board().PutPiece(1, 5, TPiece{});
    Place(3, 5, King, 1);
    Board().armyToMove = 3;
    Enter(1);
    Drag(Sq(3, 4), Sq(4, 5));
    EXPECT_EQ(Board().GetPiece(4, 5).army, 3);
    EXPECT_FALSE(Turn().ptahReached);
    Board().PutPiece(4, 5, TPiece{});
    Board().armyToMove = 1;
    Enter(1);
    Drag(Sq(3, 5), Sq(4, 5));
    EXPECT_EQ(Board().GetPiece(4, 5).kind, King);
    EXPECT_TRUE(Turn().ptahReached);
}

TEST_F(MoveEntry, CombinedKingSetsThePtahFlagOnlyAsAKing) {
    Board().PutPiece(8, 5, TPiece{});
    Board().PutPiece(1, 5, TPiece{});
    Place(3, 5, CombinedKing, 1);
    const std::int32_t companion = Board().CompanionKind();
    const int companionFace = companion == Horse    ? 2
                              : companion == Bishop ? 3
                              : companion == Queen  ? 4
                                                    : 5;
    Enter(companionFace);
    ASSERT_EQ(Turn().throwValue, companionFace);
    ASSERT_TRUE(controller->PickUp(Sq(3, 5)));
    EXPECT_EQ(controller->HeldMoveKind(), companion);
    controller->Drop(Sq(3, 5));
    Turn().throwValue = 0;
    Enter(1);
    ASSERT_TRUE(controller->PickUp(Sq(3, 5)));
    EXPECT_EQ(controller->HeldMoveKind(), King);
    controller->Drop(Sq(4, 5));
    EXPECT_EQ(Board().GetPiece(4, 5).kind, King);
    EXPECT_TRUE(Turn().ptahReached);
}

TEST_F(MoveEntry, RightClickShowsTheSquareWhateverTheTurn) {
    StartLauncher(kVersusComputers);
    Enter(std::nullopt);  // a computer army is to move
    layer.Forget();
    controller->ShowSquare(Sq(6, 3));
    EXPECT_EQ(Turn().lastMove.rank, 6);
    EXPECT_EQ(Turn().lastMove.file, 3);
    EXPECT_EQ(layer.events, (std::vector<std::string>{"information panel", "ruler panel"}));
    // A press on the board also selects the square for the panel.
    layer.Forget();
    EXPECT_FALSE(controller->PickUp(Sq(7, 2)));
    EXPECT_EQ(Turn().lastMove.rank, 7);
    EXPECT_EQ(Turn().lastMove.file, 2);
    EXPECT_EQ(layer.events, (std::vector<std::string>{"information panel"}));
}

TEST_F(MoveEntry, ReleaseOffTheBoardLetsTheNextPressPickUpAfresh) {
    Enter(1);
    Place(2, 8, HorsePawn, 1);
    ASSERT_TRUE(controller->PickUp(Sq(1, 5)));  // the King
    controller->Drop(std::nullopt);             // off the board
    TLegalMove pawnMove;
    ASSERT_TRUE(FirstLegalMove(6, pawnMove));
    Drag(Sq(2, 8), pawnMove.to.Square());
    // The pawn moved, not the King held before.
    EXPECT_EQ(Board().GetPiece(1, 5).kind, King);
    EXPECT_EQ(Board().GetPiece(2, 8).kind, Empty);
    EXPECT_EQ(Board().armyToMove, 2);
}

}  // namespace
}  // namespace vaeloric::testing
