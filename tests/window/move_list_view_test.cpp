// SPDX-License-Identifier: GPL-3.0-or-later

// The move list beside the board in the Qt window, on the offscreen platform.
#include "window/move_list_view.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QTimer>

#include "flow/command_line.h"
#include "game/legal_moves.h"
#include "tests/support/widget_application.h"
#include "window/captured_view.h"
#include "window/koravin_window.h"

namespace vaeloric {
namespace {

class MoveListWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureWidgetApplication();
        game.mode = TStartMode::Launcher;
        game.boardLetter = 'W';
        ParseLauncherArgument("45xWill it rain?^@Ann^@hBob^@hCid^@hDee^@", 'W', game.setup);
        window = std::make_unique<TKoravinWindow>(game, pictures);
        window->resize(1280, 760);
        window->show();
        window->grab();
        QApplication::processEvents();
        window->OnCommand(1757);  // no reading dialog after each move
        // A Miss Go shows a box; close it as a player would.
        closer.setInterval(10);
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        closer.start();
    }
    void Key(QWidget* target, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }
    // Plays turns with human moves: throws until a face allows a move.
    void PlayTurns(int turns) {
        for (int played = 0; played < turns;) {
            window->Controller().Throw();
            if (game.turn.throwValue == 0) {
                ++played;  // a Miss Go, already recorded
                continue;
            }
            TLegalMoveList legal;
            ListLegalMoves(game.board, game.board.armyToMove, game.turn.throwValue, legal);
            ASSERT_FALSE(legal.Empty());
            window->Controller().PickUp(legal[0].from.Square());
            window->Controller().Drop(legal[0].to.Square());
            ++played;
        }
        window->grab();
    }

    QTimer closer;
    TGameSession game;
    TPictureCatalogue pictures{'W'};
    std::unique_ptr<TKoravinWindow> window;
};

TEST_F(MoveListWindow, TakesTheRightEdgeAndFollowsThePlay) {
    const int fullOrigin = window->BoardOrigin().x;
    window->ShowMoveList(true);
    window->grab();
    TMoveListView* view = window->MoveListView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(view->geometry().right(), window->width() - 1);
    EXPECT_EQ(view->width(), 250);
    // The board moves into the room left to it and stays clear of the list.
    EXPECT_LT(window->BoardOrigin().x, fullOrigin);
    const QRectF board = window->Scale().ToWindow(QRectF(window->BoardOrigin().x, 0, 400, 400));
    EXPECT_LT(board.right(), view->geometry().left());

    PlayTurns(6);
    auto* rows = view->findChild<QListWidget*>();
    ASSERT_NE(rows, nullptr);
    ASSERT_EQ(rows->count(), 7);  // the start and six turns
    EXPECT_EQ(rows->item(0)->text(), "Start");
    EXPECT_TRUE(rows->item(6)->font().bold());  // the game's current turn
    EXPECT_EQ(rows->currentRow(), 6);
    EXPECT_TRUE(rows->item(1)->text().startsWith("1.  "));

    // L hides it, and the scene has the whole width again.
    Key(window.get(), Qt::Key_L);
    EXPECT_FALSE(view->isVisible());
    EXPECT_EQ(window->BoardOrigin().x, fullOrigin);
    Key(window.get(), Qt::Key_L);
    EXPECT_TRUE(view->isVisible());
}

TEST_F(MoveListWindow, ARowShowsItsTurnUntilEscape) {
    window->ShowMoveList(true);
    PlayTurns(5);
    TMoveListView* view = window->MoveListView();
    auto* rows = view->findChild<QListWidget*>();
    rows->setCurrentRow(2);
    EXPECT_TRUE(view->List().Viewing());
    EXPECT_EQ(view->List().ShownTurn(), 2);
    EXPECT_FALSE(window->Controller().AwaitsThrow());
    QLabel* banner = nullptr;
    for (QLabel* label : view->findChildren<QLabel*>())
        if (label->text() == "Viewing turn 2") banner = label;
    ASSERT_NE(banner, nullptr);
    EXPECT_TRUE(banner->isVisible());
    // The board shows the past position: keys of the game do nothing.
    Key(window.get(), Qt::Key_T);
    EXPECT_EQ(game.turn.throwValue, 0);
    // Home in the list: the start; Escape: the game again.
    Key(rows, Qt::Key_Home);
    EXPECT_EQ(view->List().ShownTurn(), 0);
    Key(rows, Qt::Key_Escape);
    EXPECT_FALSE(view->List().Viewing());
    EXPECT_FALSE(banner->isVisible());
    EXPECT_EQ(rows->currentRow(), 5);
    EXPECT_TRUE(window->Controller().AwaitsThrow());
    // Hiding the list while viewing returns to the game as well.
    rows->setCurrentRow(1);
    EXPECT_TRUE(view->List().Viewing());
    window->ShowMoveList(false);
    EXPECT_FALSE(view->List().Viewing());
    EXPECT_TRUE(window->Controller().AwaitsThrow());
}

}  // namespace
}  // namespace vaeloric

namespace vaeloric {
namespace {

// The lost pieces sit over the move list in its column, follow the game,
// and show their values only when asked.
TEST_F(MoveListWindow, CapturedPiecesShowOverTheListAndFollowThePosition) {
    window->ShowMoveList(true);
    window->grab();
    TCapturedView* captured = window->CapturedView();
    ASSERT_NE(captured, nullptr);
    EXPECT_TRUE(captured->isVisible());
    TMoveListView* list = window->MoveListView();
    EXPECT_EQ(captured->geometry().left(), list->geometry().left());
    EXPECT_EQ(captured->geometry().bottom() + 1, list->geometry().top());
    for (const auto& lost : captured->Lost()) EXPECT_TRUE(lost.empty());
    const int emptyHeight = captured->height();

    // Blue's Queen and Black's Rook taken from the board.
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece piece = game.board.At(rank, file);
            if ((piece.army == 4 && piece.kind == Queen) ||
                (piece.army == 2 && piece.kind == Rook)) {
                game.board.PutPiece(rank, file, TPiece{});
            }
        }
    window->grab();
    ASSERT_EQ(captured->Lost()[4].size(), 1u);
    EXPECT_EQ(captured->Lost()[4][0].kind, Queen);
    ASSERT_EQ(captured->Lost()[2].size(), 1u);
    EXPECT_EQ(captured->Lost()[2][0].kind, Rook);
    EXPECT_TRUE(captured->Lost()[1].empty());
    EXPECT_GT(captured->height(), emptyHeight);  // a line of pictures for each
    EXPECT_EQ(captured->geometry().bottom() + 1, list->geometry().top());
    EXPECT_TRUE(captured->accessibleDescription().contains("WATER lost 1"));

    // The values: a line under each picture, switched in the menu.
    const int withoutValues = captured->height();
    EXPECT_FALSE(captured->ValuesShown());
    QAction* values = nullptr;
    for (QAction* action : window->actions())
        if (action->text().contains("Values")) values = action;
    ASSERT_NE(values, nullptr);
    values->trigger();
    window->grab();
    EXPECT_TRUE(captured->ValuesShown());
    EXPECT_GT(captured->height(), withoutValues);
    const QImage shown = captured->grab().toImage();
    values->trigger();
    window->grab();
    EXPECT_EQ(captured->height(), withoutValues);
    EXPECT_NE(captured->grab().toImage().size(), shown.size());

    // Every army's pieces in sight in a small window too (1280x800 at 2x):
    // the pictures shrink rather than a block being cut off.
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (game.board.At(rank, file).kind != King &&
                game.board.At(rank, file).kind != CombinedKing)
                game.board.PutPiece(rank, file, TPiece{});
    values->trigger();
    window->resize(640, 380);
    window->grab();
    window->grab();
    std::size_t lost = 0;
    for (const auto& pieces : captured->Lost()) lost += pieces.size();
    EXPECT_GT(lost, 20u);
    EXPECT_LE(captured->HeightFor(captured->width()), captured->height());
    EXPECT_GT(list->height(), 100);  // and the list keeps room

    // Hidden with the list.
    window->ShowMoveList(false);
    EXPECT_FALSE(captured->isVisible());
}

}  // namespace
}  // namespace vaeloric
