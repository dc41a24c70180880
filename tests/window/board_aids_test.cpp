// SPDX-License-Identifier: GPL-3.0-or-later

// What the board shows a player besides the game: a picked-up piece and
// where it may go, why a piece was not picked up, the control panel inside
// the window, dialogs clear of what matters, and a close asked for while a
// move slides.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "dialogs/control_panel_dialog.h"
#include "flow/command_line.h"
#include "flow/saved_game.h"
#include "game/legal_moves.h"
#include "render/board_turn.h"
#include "tests/support/widget_application.h"
#include "window/dialog_placement.h"
#include "window/koravin_window.h"

namespace vaeloric {
namespace {

class BoardAids : public ::testing::Test {
  protected:
    void Start(const char* argument) {
        test::EnsureWidgetApplication();
        game.mode = TStartMode::Launcher;
        game.boardLetter = 'W';
        ParseLauncherArgument(argument, 'W', game.setup);
        window = std::make_unique<TKoravinWindow>(game, pictures);
        window->resize(1000, 700);
        window->show();
        window->grab();
        QApplication::processEvents();
        window->SetZoom(1.0);
        window->OnCommand(1757);  // no reading dialog to dismiss
    }
    void SetUp() override { Start("45xWill it rain?^@Ann^@hBob^@fo"); }
    void Key(int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &press);
    }
    void Press(TSquare square) {
        const TPixel corner = SquareCornerOf(window->BoardOrigin(), square.rank, square.file);
        const QPointF point(corner.x + 25, corner.y + 25);
        QMouseEvent event(QEvent::MouseButtonPress, point, window->mapToGlobal(point),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    }
    // Walks the cursor with the arrows, which go by the screen.
    void WalkTo(TSquare target) {
        if (window->KeyboardCursor().file == 0) Key(Qt::Key_Left);
        const int turns = window->QuarterTurns();
        const TScreenCell goal = ScreenCellOf(turns, target.rank, target.file);
        const auto cell = [&] {
            const TSquare cursor = window->KeyboardCursor();
            return ScreenCellOf(turns, cursor.rank, cursor.file);
        };
        for (int i = 0; i < 8 && cell().row > goal.row; ++i) Key(Qt::Key_Up);
        for (int i = 0; i < 8 && cell().row < goal.row; ++i) Key(Qt::Key_Down);
        for (int i = 0; i < 8 && cell().column < goal.column; ++i) Key(Qt::Key_Right);
        for (int i = 0; i < 8 && cell().column > goal.column; ++i) Key(Qt::Key_Left);
    }
    QImage Board() {
        const TBoardOrigin origin = window->BoardOrigin();
        return window->grab(QRect(origin.x, origin.y, kBoardSize, kBoardSize)).toImage();
    }
    QColor At(const QImage& board, TSquare square, int dx, int dy) const {
        const TBoardOrigin origin = window->BoardOrigin();
        const TPixel corner = SquareCornerOf(origin, square.rank, square.file);
        return board.pixelColor(corner.x - origin.x + dx, corner.y - origin.y + dy);
    }
    // The first legal move of the army to move on the face.
    TLegalMove FirstMove(TDieFace face) {
        TLegalMoveList legal;
        ListLegalMoves(game.board, game.board.armyToMove, face, legal);
        EXPECT_FALSE(legal.Empty());
        return legal.Empty() ? TLegalMove{} : legal[0];
    }

    TGameSession game;
    TPictureCatalogue pictures{'W'};
    std::unique_ptr<TKoravinWindow> window;
};

TEST_F(BoardAids, AKeyboardPickUpShowsThePieceLiftedAndItsMovesAndPutBackUndoesIt) {
    game.turn.throwValue = 6;
    const TLegalMove move = FirstMove(6);
    const TSquare from = move.from.Square(), to = move.to.Square();
    WalkTo(from);
    const QImage before = Board();
    Key(Qt::Key_Space);
    ASSERT_TRUE(window->Controller().PieceHeld());
    const QImage held = Board();
    EXPECT_NE(At(held, from, 25, 44), At(before, from, 25, 44));  // the shadow under it
    EXPECT_NE(At(held, to, 25, 25), At(before, to, 25, 25));      // the destination's dot
    // Squares it cannot reach keep their look.
    EXPECT_EQ(At(held, TSquare{5, 1}, 25, 25), At(before, TSquare{5, 1}, 25, 25));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window->Controller().PieceHeld());
    EXPECT_EQ(Board(), before);
    // Switched off in the menu, the marks go and the lifted piece stays.
    window->SetMoveMarks(false);
    Key(Qt::Key_Space);
    const QImage unmarked = Board();
    EXPECT_EQ(At(unmarked, to, 25, 25), At(before, to, 25, 25));
    EXPECT_NE(At(unmarked, from, 25, 44), At(before, from, 25, 44));
}

TEST_F(BoardAids, TheDescriptionCallsOnlyTheHeldPieceHeld) {
    game.turn.throwValue = 6;
    const TLegalMove move = FirstMove(6);
    const TSquare from = move.from.Square();
    WalkTo(from);
    Key(Qt::Key_Space);
    const QString on = window->accessibleDescription();
    EXPECT_NE(on.indexOf(", held."), -1) << on.toStdString();
    EXPECT_NE(on.indexOf(" It may go to"), -1) << on.toStdString();
    // The cursor moves on to another square: that one is not held.
    Key(from.file > 1 ? Qt::Key_Left : Qt::Key_Right);
    const QString away = window->accessibleDescription();
    EXPECT_EQ(away.indexOf(", held."), -1) << away.toStdString();
    EXPECT_NE(away.indexOf(
                  QStringLiteral(" Holding %1%2").arg(QChar('A' + from.file - 1)).arg(from.rank)),
              -1)
        << away.toStdString();
}

TEST_F(BoardAids, APieceTheFaceForbidsSaysWhyInTheTurnPanel) {
    game.turn.throwValue = 3;  // Bishops only
    TSquare pawn{0, 0};
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (game.board.GetPiece(rank, file).army == 1 &&
                IsPawnKind(game.board.GetPiece(rank, file).kind))
                pawn = TSquare{rank, file};
    ASSERT_NE(pawn.file, 0);
    window->update();
    const QImage plain = window->grab(QRect(4, 100, 68, 45)).toImage();
    Press(pawn);
    EXPECT_FALSE(window->Controller().PieceHeld());
    EXPECT_EQ(window->Controller().PickUpNote().second, "1 or 6");
    EXPECT_NE(window->grab(QRect(4, 100, 68, 45)).toImage(), plain);
    EXPECT_NE(window->accessibleDescription().indexOf("Needs 1 or 6"), -1);
}

TEST_F(BoardAids, TheControlPanelStaysInsideTheWindow) {
    const auto* controls = window->findChild<TControlPanelDialog*>();
    ASSERT_NE(controls, nullptr);
    const QWidget* resign = controls->findChild<QWidget*>("1710");
    ASSERT_NE(resign, nullptr);
    for (const QSize size : {QSize(480, 320), QSize(640, 400), QSize(960, 540), QSize(1000, 700)}) {
        for (const double zoom : {0.0, 1.0, 2.0}) {
            window->resize(size);
            if (zoom == 0.0)
                window->FitToWindow();
            else
                window->SetZoom(zoom);
            QApplication::processEvents();
            // A zoom that puts the turn panel itself past the middle of the
            // window leaves no room below it to ask for.
            if (window->Scale().Scale() * 186 > window->height() / 2) continue;
            const QRect button(resign->mapTo(window.get(), QPoint(0, 0)), resign->size());
            EXPECT_LE(button.bottom(), window->height() - 1)
                << size.width() << "x" << size.height() << " zoom " << zoom;
            EXPECT_LE(controls->geometry().bottom(), window->height() - 1);
            // Shrunk, the check boxes still show their words whole.
            for (const QCheckBox* box : controls->findChildren<QCheckBox*>())
                EXPECT_GE(box->width(), box->sizeHint().width())
                    << box->text().toStdString() << " " << size.width() << "x" << size.height();
        }
    }
}

// A close asked for while the computer's move slides is asked once the move
// is done, not lost.
TEST_F(BoardAids, ACloseDuringTheComputersMoveIsAskedAfterIt) {
    window.reset();
    game = TGameSession{};
    Start("45xWill it rain?^@Ann^@fqo");
    game.turn.throwValue = 6;
    const TLegalMove human = FirstMove(6);
    Press(human.from.Square());
    const TPixel corner = SquareCornerOf(window->BoardOrigin(), human.to.rank, human.to.file);
    const QPointF point(corner.x + 25, corner.y + 25);
    QMouseEvent release(QEvent::MouseButtonRelease, point, window->mapToGlobal(point),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &release);
    ASSERT_EQ(game.board.armyToMove, 2);
    TDieFace face = 1;
    while (face < 6 && HasNoLegalMove(game.board, face, 2)) ++face;
    game.turn.throwValue = face;

    bool refusedWhileSliding = false;
    QTimer::singleShot(0, window.get(), [&] { refusedWhileSliding = !window->close(); });
    QString asked;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            asked = box->text();
            box->button(QMessageBox::Cancel)->click();
        }
    });
    watch.start(10);
    Key(Qt::Key_M);
    EXPECT_EQ(game.board.armyToMove, 3);
    EXPECT_TRUE(refusedWhileSliding);
    for (int i = 0; i < 50 && asked.isEmpty(); ++i) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_FALSE(asked.isEmpty());
    EXPECT_TRUE(window->isVisible());  // cancelled: the game goes on
}

// The pointer and the keyboard's cursor find the squares of the turned board
// at every zoom.
TEST_F(BoardAids, PointerAndKeyboardFollowTheTurnAtEveryZoom) {
    EXPECT_EQ(window->QuarterTurns(),
              QuarterTurnsBringingArmyDown(game.board.ptah, 'W', game.board.questionerArmy));
    for (int turns = 0; turns < 4; ++turns)
        for (const double zoom : {1.0, 1.5, 2.0}) {
            window->SetQuarterTurns(turns);
            window->SetZoom(zoom);
            for (int rank = 1; rank <= 8; ++rank)
                for (int file = 1; file <= 8; ++file) {
                    const TPixel corner = SquareCornerOf(window->BoardOrigin(), rank, file);
                    const QPointF point =
                        window->Scale().ToWindow(QPointF(corner.x + 25, corner.y + 25));
                    QMouseEvent press(QEvent::MouseButtonPress, point, window->mapToGlobal(point),
                                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
                    QApplication::sendEvent(window.get(), &press);
                    ASSERT_EQ(game.turn.lastMove.rank, rank) << turns << " " << zoom;
                    ASSERT_EQ(game.turn.lastMove.file, file) << turns << " " << zoom;
                }
            // Up goes one row up the screen, Right one column right.
            WalkTo(TSquare{4, 4});
            const TScreenCell before = ScreenCellOf(turns, 4, 4);
            Key(Qt::Key_Up);
            Key(Qt::Key_Right);
            const TSquare cursor = window->KeyboardCursor();
            const TScreenCell after = ScreenCellOf(turns, cursor.rank, cursor.file);
            EXPECT_EQ(after.row, before.row - 1) << turns;
            EXPECT_EQ(after.column, before.column + 1) << turns;
        }
}

// The same moves made on a turned board give the same saved game.
TEST_F(BoardAids, AGamePlayedTurnedSavesAsOnePlayedStraight) {
    std::string saved[4];
    for (int turns = 0; turns < 4; ++turns) {
        window.reset();
        game = TGameSession{};
        Start("45xWill it rain?^@Ann^@hBob^@hCid^@hDee^@");
        window->SetQuarterTurns(turns);
        for (int ply = 0; ply < 8; ++ply) {
            TDieFace face = 1 + ply % 6;
            while (face < 6 && HasNoLegalMove(game.board, face, game.board.armyToMove)) ++face;
            ASSERT_FALSE(HasNoLegalMove(game.board, face, game.board.armyToMove));
            game.turn.throwValue = face;
            TLegalMoveList legal;
            ListLegalMoves(game.board, game.board.armyToMove, face, legal);
            const TLegalMove move = legal[legal.Size() / 2];
            Press(move.from.Square());
            const TPixel corner = SquareCornerOf(window->BoardOrigin(), move.to.rank, move.to.file);
            const QPointF point(corner.x + 25, corner.y + 25);
            QMouseEvent release(QEvent::MouseButtonRelease, point, window->mapToGlobal(point),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(window.get(), &release);
            ASSERT_EQ(game.turn.moveTo.rank, move.to.rank) << turns << " ply " << ply;
        }
        saved[turns] = FormatSavedGame('W', game.board, game.setup, game.turn, game.reading);
    }
    for (int turns = 1; turns < 4; ++turns) EXPECT_EQ(saved[turns], saved[0]) << turns;
}

// Dialogs go where they cover neither square of the last move nor a King
// in check, on screens too small to put them beside the board.
TEST(DialogPlacement, KeepsTheLastMoveAndACheckedKingInSight) {
    const QRect screen(0, 0, 640, 400);  // 1280x800 at 2x
    const QRect board(120, 20, 360, 360);
    const QSize frame(300, 200);
    const auto square = [&](int rank, int file) {
        return QRect(board.left() + 45 * (file - 1), board.top() + 45 * (8 - rank), 45, 45);
    };
    const std::vector<std::vector<QRect>> cases = {
        {square(5, 8), square(8, 8)},                // H5 to H8
        {square(6, 7), square(5, 8), square(8, 8)},  // and a King in check on H8
        {square(1, 1), square(8, 1), square(8, 8)},
        {square(2, 1), square(1, 8)},
    };
    for (const auto& keep : cases) {
        const QRect placed(PlaceDialogClear(screen, board, frame, keep), frame);
        EXPECT_TRUE(screen.contains(placed));
        for (const QRect& s : keep) EXPECT_FALSE(placed.intersects(s)) << s.x() << "," << s.y();
    }
    // With room beside the board, it goes there.
    const QRect wide(0, 0, 1920, 1080);
    const QRect placed(PlaceDialogClear(wide, QRect(560, 40, 800, 800), frame, {}), frame);
    EXPECT_FALSE(placed.intersects(QRect(560, 40, 800, 800)));
}

}  // namespace
}  // namespace vaeloric
