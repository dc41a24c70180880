// SPDX-License-Identifier: GPL-3.0-or-later

// A guest's board in the real window: on its own turn, once the host's face
// has come back, the pointer picks up and drops its own army's pieces.
#include <gtest/gtest.h>

#include "game/legal_moves.h"
#include "tests/window/main_window_fixture.h"

namespace vaeloric {
namespace {

class GuestWindow : public MainWindow {
  protected:
    void SetUp() override {
        MainWindow::SetUp();
        TGameController& controller = window->Controller();
        for (std::int32_t army : {2, 3, 4}) controller.PlayArmyRemotely(army);
        controller.onThrowWanted = [this](long turn, TDieFace face) {
            asked.push_back("throw " + std::to_string(turn) + " " + std::to_string(face));
        };
        controller.onDropWanted = [this](long turn, TSquare from, TSquare to) {
            asked.push_back("drop " + std::to_string(turn) + " " + std::to_string(from.rank) +
                            std::to_string(from.file) + "-" + std::to_string(to.rank) +
                            std::to_string(to.file));
        };
    }
    QPoint Centre(TSquare square) const {
        return QPoint(window->BoardOrigin().x + 50 * (square.file - 1) + 25,
                      20 + 50 * (8 - square.rank) + 25);
    }
    void Click(QPoint from, QPoint to) {
        Mouse(QEvent::MouseMove, from.x(), from.y(), Qt::NoButton);
        Mouse(QEvent::MouseButtonPress, from.x(), from.y());
        Mouse(QEvent::MouseMove, to.x(), to.y(), Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, to.x(), to.y());
    }
    std::vector<std::string> asked;
};

TEST_F(GuestWindow, ItsOwnPiecesAreTakenUpOnceTheHostsFaceHasComeBack) {
    TGameController& controller = window->Controller();
    ASSERT_EQ(game.board.armyToMove, 1);
    const QRect buttons(7, 101, 60, 61);
    const QImage usable = window->grab(buttons).toImage();
    Click(QPoint(37, 116), QPoint(37, 116));  // THROW
    ASSERT_EQ(asked, (std::vector<std::string>{"throw 1 0"}));
    // Pressed again while the host throws, the greyed buttons do nothing.
    EXPECT_NE(window->grab(buttons).toImage(), usable);
    Click(QPoint(37, 116), QPoint(37, 116));
    ASSERT_EQ(asked.size(), 1u);
    controller.TakeThrow(1, 6);
    ASSERT_EQ(game.turn.throwValue, 6);
    TLegalMoveList legal;
    ListLegalMoves(game.board, 1, 6, legal);
    ASSERT_FALSE(legal.Empty());
    const TSquare from = legal[0].from.Square(), to = legal[0].to.Square();
    // A Return key held down elsewhere (its repeats reach the board) takes
    // nothing up at the keyboard's cursor, and leaves the pointer its press.
    WalkTo(from);
    for (int repeat = 0; repeat < 3; ++repeat) {
        QKeyEvent again(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(window.get(), &again);
    }
    EXPECT_FALSE(controller.PieceHeld());
    const QPoint at = Centre(from);
    Mouse(QEvent::MouseMove, at.x(), at.y(), Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, at.x(), at.y());
    EXPECT_TRUE(controller.PieceHeld());
    EXPECT_EQ(game.turn.lastMove.rank, from.rank);  // the square's panel shows it
    const QPoint there = Centre(to);
    Mouse(QEvent::MouseMove, there.x(), there.y(), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, there.x(), there.y());
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1], "drop 1 " + std::to_string(from.rank) + std::to_string(from.file) + "-" +
                            std::to_string(to.rank) + std::to_string(to.file));
}

}  // namespace
}  // namespace vaeloric
