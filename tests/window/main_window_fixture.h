// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <memory>

#include "flow/command_line.h"
#include "flow/game_session.h"
#include "render/pictures/picture_catalogue.h"
#include "tests/support/widget_application.h"
#include "window/koravin_window.h"

namespace vaeloric {

// The main window of a Water board on the offscreen platform: Ann against
// Bob and two computer players, at the game's own pixels.
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
        window->SetZoom(1.0);  // the game's own pixels, unless a test zooms
    }
    void Mouse(QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton) {
        const QPointF point(x, y);
        QMouseEvent event(type, point, window->mapToGlobal(point), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button,
                          Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    }

    void Key(int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &press);
    }
    // Seven steps cross the board; a cursor that does not follow the arrows
    // fails here instead of stepping for ever.
    void WalkTo(TSquare target) {
        for (int step = 0; step < 7 && window->KeyboardCursor().rank < target.rank; ++step)
            Key(Qt::Key_Up);
        for (int step = 0; step < 7 && window->KeyboardCursor().rank > target.rank; ++step)
            Key(Qt::Key_Down);
        for (int step = 0; step < 7 && window->KeyboardCursor().file < target.file; ++step)
            Key(Qt::Key_Right);
        for (int step = 0; step < 7 && window->KeyboardCursor().file > target.file; ++step)
            Key(Qt::Key_Left);
        ASSERT_TRUE(SquaresEqual(window->KeyboardCursor(), target))
            << target.rank << "," << target.file;
    }

    TGameSession game;
    TPictureCatalogue pictures{'W'};
    std::unique_ptr<TKoravinWindow> window;
};

}  // namespace vaeloric
