// SPDX-License-Identifier: GPL-3.0-or-later

// The Qt main window over the game controller, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "dialogs/control_panel_dialog.h"
#include "flow/command_line.h"
#include "game/legal_moves.h"
#include "tests/support/widget_application.h"
#include "tests/window/main_window_fixture.h"
#include "window/koravin_window.h"
#include "window/program_entry.h"
#include "window/scene_scale.h"

namespace vaeloric {
namespace {

TEST_F(MainWindow, SetsUpOnTheFirstPaintAndDrawsTheGame) {
    EXPECT_EQ(window->windowTitle(), "VAELORIC CHESS - Will it rain?");
    EXPECT_TRUE(window->Controller().SetupDone());
    EXPECT_EQ(window->BoardOrigin().x, 260);  // (1000 - 400) / 2 - 40
    const QImage image = window->grab().toImage();
    // The turn panel of army 1 (FIRE) is red.
    const QColor panel = image.pixelColor(20, 60);
    EXPECT_GT(panel.red(), 200);
    EXPECT_LT(panel.green(), 60);
    // The board picture at the board's origin, not the background.
    EXPECT_NE(image.pixelColor(260 + 5, 20 + 5), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(600, 690), QColor(0, 255, 0));
    // The control panel sits below the turn panel, clear of the board.
    const auto* controls = window->findChild<TControlPanelDialog*>();
    ASSERT_NE(controls, nullptr);
    EXPECT_TRUE(controls->isVisible());
    EXPECT_GE(controls->geometry().top(), 183);
    EXPECT_LT(controls->geometry().right(), 260);
    EXPECT_LE(controls->geometry().bottom(), 700);
}

TEST_F(MainWindow, HeldThrowButtonShowsItsPressedImage) {
    Mouse(QEvent::MouseMove, 37, 116, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, 37, 116);
    const QImage held = window->grab().toImage();
    const QImage down = pictures.Picture(1901).toImage();
    const QImage up = pictures.Picture(1900).toImage();
    ASSERT_FALSE(down.isNull());
    int same = 0, differs = 0;
    for (int y = 0; y < down.height(); ++y)
        for (int x = 0; x < down.width(); ++x) {
            same += held.pixelColor(7 + x, 101 + y) == down.pixelColor(x, y);
            differs += down.pixelColor(x, y) != up.pixelColor(x, y);
        }
    EXPECT_GT(differs, 0);
    EXPECT_EQ(same, down.width() * down.height());
    // Released over the board: no throw, the up image again.
    Mouse(QEvent::MouseMove, 400, 300, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, 400, 300);
    EXPECT_EQ(game.turn.throwValue, 0);
}

TEST_F(MainWindow, RightClickSelectsTheSquareForThePanels) {
    const int x = 260 + 2 * 50 + 10, y = 20 + 1 * 50 + 10;  // C7
    Mouse(QEvent::MouseMove, x, y, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, x, y, Qt::RightButton);
    EXPECT_EQ(game.turn.lastMove.rank, 7);
    EXPECT_EQ(game.turn.lastMove.file, 3);
    const QImage image = window->grab().toImage();
    EXPECT_NE(image.pixelColor(260 + 420, 20 + 10), QColor(0, 255, 0));  // the ruler panel
}

TEST_F(MainWindow, ControlPanelCommandsAndAnUntouchedClose) {
    window->OnCommand(1757);
    EXPECT_FALSE(window->Controller().MoveReading());
    const char* analysis = std::getenv("VAELORIC_ANALYSIS_FILE");
    if (analysis != nullptr) std::filesystem::remove(analysis);
    EXPECT_TRUE(window->close());
    if (analysis != nullptr) {
        std::ifstream in(analysis);
        std::string first;
        std::getline(in, first);
        EXPECT_EQ(first, "The game was ended prematurely, so there is no win or lose.");
    }
}

TEST_F(MainWindow, FitsTheSceneToTheWindowAndMapsThePointerBack) {
    window->resize(1920, 1080);
    window->FitToWindow();
    const double scale = window->Scale().Scale();
    // The board takes most of the height, below its top margin.
    EXPECT_GE(400 * scale, 0.7 * 1080);
    const QImage image = window->grab().toImage();
    const int left = static_cast<int>(window->BoardOrigin().x * scale);
    const int top = static_cast<int>(20 * scale);
    EXPECT_NE(image.pixelColor(left + 3, top + 3), QColor(0, 255, 0));
    EXPECT_NE(image.pixelColor(left + int(395 * scale), top + int(395 * scale)), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(left + int(405 * scale), top + int(380 * scale)), QColor(0, 255, 0));
    // A click on a square's window pixels reaches that square.
    const int x = static_cast<int>((window->BoardOrigin().x + 2 * 50 + 49) * scale);
    const int y = static_cast<int>((20 + 1 * 50) * scale) + 1;  // C7's top edge
    Mouse(QEvent::MouseMove, x, y, Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, x, y, Qt::RightButton);
    EXPECT_EQ(game.turn.lastMove.rank, 7);
    EXPECT_EQ(game.turn.lastMove.file, 3);
    // Zooming keeps the layout in scene pixels.
    window->SetZoom(1.0);
    EXPECT_EQ(window->BoardOrigin().x, (1920 - 400) / 2 - 40);
}

// Every window point of a scene pixel maps back to that pixel, at any zoom
// and any (fractional) device pixel ratio: pointer events arrive in steps of
// one device pixel.
TEST(SceneScale, EveryDevicePixelOfASquareOrButtonEdgeReachesItsScenePixel) {
    std::vector<int> points;
    for (int k = 0; k <= 8; ++k)
        for (int d : {-1, 0, 24, 25, 49}) points.push_back(160 + 50 * k + d);
    for (int edge : {7, 67, 101, 111, 131, 132, 161, 162}) points.push_back(edge);
    for (double zoom : {1.0, 1.5, 2.0, 2.44}) {
        for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
            const TSceneScale scale(zoom);
            for (int p : points) {
                for (int device = static_cast<int>(std::ceil(p * zoom * ratio - 1e-9));
                     device < (p + 1) * zoom * ratio - 1e-9; ++device)
                    ASSERT_EQ(scale.ToScene(device / ratio), p)
                        << "zoom " << zoom << " ratio " << ratio << " device " << device;
            }
        }
    }
}

TEST_F(MainWindow, DialogsBesideTheBoardKeepTheLastMoveInSight) {
    // A screen too narrow for a dialog beside the board: it covers an edge.
    const QRect screen = window->screen()->availableGeometry();
    window->setGeometry(screen.left(), screen.top(), screen.width(), screen.height());
    window->FitToWindow();
    QDialog dialog(window.get());
    dialog.resize(screen.width() / 2, 200);
    for (const TSquare to : {TSquare{8, 8}, TSquare{8, 1}, TSquare{1, 8}}) {
        game.turn.moveTo = to;
        window->PlaceBesideBoard(&dialog);
        const TPixel corner = SquareCornerOf(window->BoardOrigin(), to.rank, to.file);
        const QRect square =
            window->Scale().ToWindow(QRectF(corner.x, corner.y, kSquareSize, kSquareSize)).toRect();
        const QRect placed(dialog.pos(), dialog.size() + QSize(8, 30));
        EXPECT_FALSE(placed.intersects(QRect(window->mapToGlobal(square.topLeft()), square.size())))
            << to.rank << "," << to.file;
    }
}

TEST_F(MainWindow, AWholeHumanTurnFromTheKeyboard) {
    window->OnCommand(1757);  // no reading dialog to dismiss
    Key(Qt::Key_T);
    const TDieFace face = game.turn.throwValue;
    ASSERT_NE(face, 0);
    TLegalMoveList legal;
    ListLegalMoves(game.board, 1, face, legal);
    ASSERT_FALSE(legal.Empty());
    const TSquare from = legal[0].from.Square(), to = legal[0].to.Square();
    Key(Qt::Key_Left);  // the first arrow shows the cursor
    ASSERT_NO_FATAL_FAILURE(WalkTo(from));
    Key(Qt::Key_I);
    EXPECT_EQ(game.turn.lastMove.Square().file, from.file);
    Key(Qt::Key_Space);
    EXPECT_TRUE(window->Controller().PieceHeld());
    Key(Qt::Key_Escape);  // dropped back: nothing moved, the throw kept
    EXPECT_EQ(game.turn.throwValue, face);
    Key(Qt::Key_Space);
    ASSERT_NO_FATAL_FAILURE(WalkTo(to));
    EXPECT_NE(window->accessibleDescription().indexOf("FIRE to move"), -1);
    Key(Qt::Key_Return);
    EXPECT_EQ(game.board.GetPiece(to.rank, to.file).army, 1);
    EXPECT_EQ(game.board.armyToMove, 2);
    EXPECT_EQ(game.turn.throwValue, 0);
    EXPECT_EQ(game.turn.moveFrom.file, from.file);
}

TEST(ProgramEntry, RefusesABadLauncherArgumentBeforeAnyWindow) {
    const struct {
        const char* argument;
        const char* sentence;
    } rows[] = {
        {"91xQ^@Ann^@fho",
         "The Ptah square must be given as two digits from 1 to 8 (rank, then file).\n"},
        {"45xQ^@Ann^@fo",
         "Seat 4 has no player: its letter must be one of h, f, o, r, c, i, a, q, s.\n"},
    };
    for (const auto& row : rows) {
        char program[] = "marisel";
        std::string argument = row.argument;
        char* argv[] = {program, argument.data(), nullptr};
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(RunBoardProgram(2, argv, 'W'), 2);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), row.sentence);
    }
}

}  // namespace
}  // namespace vaeloric
