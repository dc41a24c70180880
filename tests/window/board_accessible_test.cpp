// SPDX-License-Identifier: GPL-3.0-or-later

// The board as a screen reader meets it: its squares and picture buttons
// are objects with names, places and a press action that plays.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>

#include "game/legal_moves.h"
#include "tests/window/main_window_fixture.h"

namespace vaeloric {
namespace {

class BoardAccessible : public MainWindow {
  protected:
    void SetUp() override {
        MainWindow::SetUp();
        window->OnCommand(1757);  // no reading dialog to dismiss
    }
    // The child of the window whose name starts with `name`.
    QAccessibleInterface* Part(const QString& name) {
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window.get());
        if (board == nullptr) return nullptr;
        for (int i = 0; i < board->childCount(); ++i) {
            QAccessibleInterface* child = board->child(i);
            if (child != nullptr && child->text(QAccessible::Name).startsWith(name)) return child;
        }
        return nullptr;
    }
    static QString Name(TSquare square) {
        return QStringLiteral("%1%2:").arg(QChar('A' + square.file - 1)).arg(square.rank);
    }
    static void Press(QAccessibleInterface* part) {
        ASSERT_NE(part, nullptr);
        QAccessibleActionInterface* action = part->actionInterface();
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->actionNames().contains(QAccessibleActionInterface::pressAction()));
        action->doAction(QAccessibleActionInterface::pressAction());
    }
};

TEST_F(BoardAccessible, SquaresAndButtonsCanBeWalkedAndPressed) {
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(window.get());
    ASSERT_NE(board, nullptr);
    int squares = 0;
    for (int i = 0; i < board->childCount(); ++i)
        squares += board->child(i) != nullptr && board->child(i)->role() == QAccessible::Cell;
    EXPECT_EQ(squares, 64);
    // Each square is where it is drawn, and is found there.
    QAccessibleInterface* a8 = Part("A8:");
    ASSERT_NE(a8, nullptr);
    EXPECT_EQ(board->childAt(a8->rect().center().x(), a8->rect().center().y()), a8);

    // THROW shows while the turn awaits it; pressed, it throws.
    QAccessibleInterface* throwButton = Part("THROW");
    ASSERT_NE(throwButton, nullptr);
    EXPECT_FALSE(throwButton->state().invisible);
    EXPECT_TRUE(Part("MOVE")->state().invisible);
    game.turn.throwValue = 6;  // the die as if thrown, so that a pawn may move
    EXPECT_TRUE(throwButton->state().invisible);

    // A move made by pressing two squares; the names tell the piece, where
    // it may go, and the last move.
    TLegalMoveList legal;
    ListLegalMoves(game.board, game.board.armyToMove, 6, legal);
    ASSERT_FALSE(legal.Empty());
    const TSquare from = legal[0].from.Square(), to = legal[0].to.Square();
    QAccessibleInterface* origin = Part(Name(from));
    QAccessibleInterface* target = Part(Name(to));
    ASSERT_NE(origin, nullptr);
    ASSERT_NE(target, nullptr);
    EXPECT_TRUE(origin->text(QAccessible::Name).contains("FIRE"))
        << origin->text(QAccessible::Name).toStdString();
    Press(origin);
    EXPECT_TRUE(window->Controller().PieceHeld());
    EXPECT_TRUE(origin->text(QAccessible::Name).endsWith(", held"));
    EXPECT_TRUE(origin->state().selected);
    EXPECT_TRUE(target->text(QAccessible::Name).contains("may go here"));
    Press(target);
    EXPECT_EQ(game.board.armyToMove, 2);
    EXPECT_TRUE(target->text(QAccessible::Name).contains("last move"));
}

}  // namespace
}  // namespace vaeloric
