// The Qt main window over the game controller, on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>

#include "flow/command_line.h"
#include "window/koravin_window.h"
#include "window/program_entry.h"
#include "dialogs/control_panel_dialog.h"
#include "tests/support/widget_application.h"

namespace vaeloric {
namespace {

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        test::EnsureWidgetApplication();
        game.mode = TStartMode::Launcher;
        game.boardLetter = 'W';
        ParseLauncherArgument("45xWill it rain?^@Ann^@hBob^@fo", 'W', game.setup);
        window = std::make_unique<TKoravinWindow>(game, pictures);
        window->resize(1000, 700);
        window->show();
        // The first paint starts the set-up just after it; the next draws.
        window->grab();
        QApplication::processEvents();
    }
    void Mouse(QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF point(x, y);
        QMouseEvent event(type, point, window->mapToGlobal(point), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    }

    TGameSession game;
    TPictureCatalogue pictures{'W'};
    std::unique_ptr<TKoravinWindow> window;
};

TEST_F(MainWindow, SetsUpOnTheFirstPaintAndDrawsTheGame) {
    EXPECT_EQ(window->windowTitle(), "VAELORIC CHESS - Will it rain?");
    EXPECT_TRUE(window->Controller().SetupDone());
    EXPECT_EQ(window->Controller().OriginX(), 260);  // (1000 - 400) / 2 - 40
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
    EXPECT_GE(controls->geometry().top(), 165);
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
    EXPECT_FALSE(game.turn.throwPressed);
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

TEST(ProgramEntry, RefusesABadLauncherArgumentBeforeAnyWindow) {
    const struct {
        const char* argument;
        const char* sentence;
    } rows[] = {
        {"91xQ^@Ann^@fho",
         "The Ptah square must be given as two digits from 1 to 8 (rank, then file).\n"},
        {"45xQ^@Ann^@fo",
         "Seat 4 has no player: its letter must be one of h, f, o, r, c, i, a, q.\n"},
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
