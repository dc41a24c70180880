// SPDX-License-Identifier: GPL-3.0-or-later

// Holding a piece by pointer and keyboard: a hold ends where the user lets
// go, or not at all, never on a square merely passed over; and the zoomed
// scene never shrinks below its layout.
#include <gtest/gtest.h>

#include "flow/command_line.h"
#include "game/legal_moves.h"
#include "tests/flow/game_flow_fixture.h"
#include "tests/window/main_window_fixture.h"
#include "window/pointer_input.h"
#include "window/scene_scale.h"

namespace vaeloric::testing {
namespace {

class TSilentFeedback : public TPointerFeedback {
  public:
    void SetCursor(int) override {}
    void DrawButton(int) override {}
};

// The pointer over a 800-pixel-wide scene: the board's top-left corner is
// at (160, 20). Army 1 has thrown a 6 and may move a pawn.
class HeldPiece : public GameFlow {
  protected:
    void SetUp() override {
        GameFlow::SetUp();
        StartLauncher();
        pointer = std::make_unique<TPointerInput>(*controller, feedback);
        pointer->SetOrigin(PlaceBoard(800, TBoardStyle::Coloured));
        Enter(6);
        ASSERT_EQ(Turn().throwValue, 6);
        TLegalMoveList legal;
        ListLegalMoves(Board(), 1, 6, legal);
        ASSERT_FALSE(legal.Empty());
        from = legal[0].from.Square();
        to = legal[0].to.Square();
        ASSERT_EQ(Board().GetPiece(to.rank, to.file).kind, Empty);
        before = Board();
    }
    static int X(int file) { return 160 + 50 * (file - 1) + 25; }
    static int Y(int rank) { return 20 + 50 * (8 - rank) + 25; }
    void ExpectNothingMoved(const char* what) {
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file)
                EXPECT_TRUE(Board().GetPiece(rank, file) == before.GetPiece(rank, file))
                    << what << ": " << rank << "," << file;
        EXPECT_EQ(Board().armyToMove, 1) << what;
        EXPECT_EQ(Turn().throwValue, 6) << what;
        EXPECT_FALSE(controller->PieceHeld()) << what;
    }

    TSilentFeedback feedback;
    std::unique_ptr<TPointerInput> pointer;
    TSquare from, to;
    TBoard before;
};

TEST_F(HeldPiece, ReleasedOffTheBoardItGoesBackWhereverItPassed) {
    // Off each edge of the board, and onto the panels.
    const int offBoard[][2] = {{100, Y(4)}, {600, Y(4)}, {X(4), 470}, {37, 116}, {700, 300}};
    for (const auto& point : offBoard) {
        pointer->Move(X(from.file), Y(from.rank));
        pointer->LeftDown(X(from.file), Y(from.rank));
        ASSERT_TRUE(controller->PieceHeld());
        pointer->Move(X(to.file), Y(to.rank));  // over a square it may move to
        pointer->Move(point[0], point[1]);
        pointer->LeftUp(point[0], point[1]);
        ExpectNothingMoved("released off the board");
    }
    // The same hold released on the square moves it.
    pointer->Move(X(from.file), Y(from.rank));
    pointer->LeftDown(X(from.file), Y(from.rank));
    pointer->Move(X(to.file), Y(to.rank));
    pointer->LeftUp(X(to.file), Y(to.rank));
    EXPECT_EQ(Board().GetPiece(to.rank, to.file).army, 1);
    EXPECT_EQ(Board().armyToMove, 2);
}

TEST_F(HeldPiece, APressWhoseReleaseNeverCameHoldsNothing) {
    pointer->Move(X(from.file), Y(from.rank));
    pointer->LeftDown(X(from.file), Y(from.rank));
    ASSERT_TRUE(controller->PieceHeld());
    // The release was lost (the window lost the pointer); the next press
    // and release fall on the square the piece could have gone to.
    pointer->Move(X(to.file), Y(to.rank));
    pointer->LeftDown(X(to.file), Y(to.rank));
    pointer->LeftUp(X(to.file), Y(to.rank));
    ExpectNothingMoved("a click after a lost release");
    EXPECT_FALSE(pointer->PressActive());
    // Lost again; the next press is off the board (a panel, the THROW button
    // now idle) and is released over the square.
    for (const auto& press : {std::pair{37, 40}, std::pair{37, 116}, std::pair{600, 300}}) {
        pointer->Move(X(from.file), Y(from.rank));
        pointer->LeftDown(X(from.file), Y(from.rank));
        ASSERT_TRUE(controller->PieceHeld());
        pointer->Move(press.first, press.second);
        pointer->LeftDown(press.first, press.second);
        pointer->Move(X(to.file), Y(to.rank));
        pointer->LeftUp(X(to.file), Y(to.rank));
        ExpectNothingMoved("a press off the board after a lost release");
    }
    // A fresh drag still moves the piece.
    pointer->Move(X(from.file), Y(from.rank));
    pointer->LeftDown(X(from.file), Y(from.rank));
    pointer->Move(X(to.file), Y(to.rank));
    pointer->LeftUp(X(to.file), Y(to.rank));
    EXPECT_EQ(Board().armyToMove, 2);
}

TEST_F(MainWindow, EnterOnAnEmptySquareHoldsNothing) {
    window->OnCommand(1757);   // no reading dialog to dismiss
    game.turn.throwValue = 6;  // pawns can always move at the start
    TLegalMoveList legal;
    ListLegalMoves(game.board, 1, 6, legal);
    ASSERT_FALSE(legal.Empty());
    const TSquare from = legal[0].from.Square(), to = legal[0].to.Square();
    Key(Qt::Key_Left);  // the first arrow shows the cursor
    ASSERT_NO_FATAL_FAILURE(WalkTo(TSquare{4, 4}));
    ASSERT_EQ(game.board.GetPiece(4, 4).kind, Empty);
    Key(Qt::Key_Return);
    EXPECT_FALSE(window->Controller().PieceHeld());
    EXPECT_EQ(window->accessibleDescription().indexOf("held"), -1)
        << window->accessibleDescription().toStdString();
    // The next Enter on a piece picks it up, and one on its square moves it.
    ASSERT_NO_FATAL_FAILURE(WalkTo(from));
    Key(Qt::Key_Return);
    EXPECT_TRUE(window->Controller().PieceHeld());
    EXPECT_NE(window->accessibleDescription().indexOf(", held."), -1);
    ASSERT_NO_FATAL_FAILURE(WalkTo(to));
    Key(Qt::Key_Return);
    EXPECT_EQ(game.board.GetPiece(to.rank, to.file).army, 1);
    EXPECT_EQ(game.board.armyToMove, 2);
}

// A zoom beyond the window cuts the scene; the layout keeps its width, so
// the board keeps its place beside the turn panel.
TEST_F(MainWindow, AZoomBeyondTheWindowKeepsTheLayout) {
    const int layoutBoardX = PlaceBoard(TSceneScale::kSceneWidth, TBoardStyle::Coloured).x;
    for (const double zoom : {1.25, 2.0, 3.0, 5.0}) {
        for (const int width : {400, 660, 800}) {
            if (width >= zoom * TSceneScale::kSceneWidth) continue;
            window->resize(width, 600);
            window->SetZoom(zoom);
            EXPECT_EQ(TSceneScale(zoom).SceneWidth(width), TSceneScale::kSceneWidth);
            EXPECT_EQ(window->BoardOrigin().x, layoutBoardX) << zoom << " " << width;
        }
    }
    // A window wider than the zoomed layout shows more scene, the board
    // centred in it.
    window->resize(1600, 600);
    window->SetZoom(2.0);
    EXPECT_EQ(TSceneScale(2.0).SceneWidth(1600), 800);
    EXPECT_GT(window->BoardOrigin().x, layoutBoardX);
}

}  // namespace
}  // namespace vaeloric::testing
