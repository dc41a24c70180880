// SPDX-License-Identifier: GPL-3.0-or-later

// The hint in the real window: the menu's Hint reaches the window's thread
// with its answer through the event loop, shows it without a move, and
// Escape takes it away.
#include <QAction>
#include <QElapsedTimer>

#include "tests/window/main_window_fixture.h"

namespace vaeloric {
namespace {

using HintWindow = MainWindow;
using THint = TGameController::THintState;

TEST_F(HintWindow, TheMenusHintArrivesThroughTheEventLoopAndEscapeTakesItAway) {
    QAction* hint = nullptr;
    for (QAction* action : window->actions())
        if (action->text() == "&Hint") hint = action;
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->shortcut(), QKeySequence(Qt::Key_H));

    TGameController& controller = window->Controller();
    controller.SetHintLimits(TSeerLimits{300, 0, 12, nullptr});
    hint->trigger();  // before the throw: nothing to ask about
    EXPECT_EQ(controller.HintState(), THint::None);

    game.turn.throwValue = 6;  // Ann's army to move, a pawn's face
    const std::int32_t army = game.board.armyToMove;
    hint->trigger();
    EXPECT_EQ(controller.HintState(), THint::Thinking);
    QElapsedTimer waited;
    waited.start();
    while (controller.HintState() == THint::Thinking && waited.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_EQ(controller.HintState(), THint::Shown);
    EXPECT_EQ(game.board.armyToMove, army);
    EXPECT_EQ(game.turn.throwValue, 6);
    window->grab();  // painted with the arrow; the description names the move
    EXPECT_TRUE(window->accessibleDescription().contains("Hint: "))
        << window->accessibleDescription().toStdString();

    Key(Qt::Key_Escape);
    EXPECT_EQ(controller.HintState(), THint::None);
    window->grab();
    EXPECT_FALSE(window->accessibleDescription().contains("Hint: "));
}

}  // namespace
}  // namespace vaeloric
