// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up of the game flow: the three modes, the set-up dialogs and the
// board placement.
#include "flow/saved_game.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

TEST_F(GameFlow, DemonstrationAsksUntilBothDialogsAreAccepted) {
    layer.ptahScript = {
        [](TPtahSquareChoice&) { return false; },
        [](TPtahSquareChoice& c) {
            c.question = "Shall I travel?";
            c.file = 5;
            c.rank = 4;
            return true;
        },
    };
    layer.playerScript = {
        [](TPlayerChoice&) { return false; },
        [](TPlayerChoice&) { return false; },
        [](TPlayerChoice& c) {
            c.names = {"", "ANNA GREY", "", "mARY ANNE", ""};
            c.seatCode = {0, 0, 3, 1, 7};
            return true;
        },
    };
    // Each dialog closed without OK asks whether to quit; No shows it again.
    layer.boxAnswers = {TBoxAnswer::No, TBoxAnswer::No, TBoxAnswer::No};
    Start(TStartMode::Demonstration);

    EXPECT_EQ(std::count(layer.events.begin(), layer.events.end(), "ptah dialog"), 2);
    EXPECT_EQ(std::count(layer.events.begin(), layer.events.end(), "players dialog"), 3);
    EXPECT_EQ(layer.BoxTexts(), std::vector<std::string>(3, "Quit Vaeloric Chess?"));
    EXPECT_EQ(layer.boxes[0], (TMessageBox{"Quit Vaeloric Chess?", "VAELORIC CHESS",
                                           TBoxButtons::YesNo, TBoxIcon::Question}));
    EXPECT_FALSE(layer.destroyed);
    EXPECT_EQ(game->setup.caption, "VAELORIC CHESS - Shall I travel?");
    EXPECT_EQ(layer.title, game->setup.caption);
    EXPECT_EQ(SquareName(game->setup.ptah) + game->setup.boardLetter, "E4W");
    EXPECT_EQ(game->setup.questionerName, "Anna Grey");
    EXPECT_EQ(game->setup.seatName[3], "mary Anne");
    // E4 puts the Questioner on army 1; seats 2..4 follow in turn order.
    EXPECT_EQ(Board().questionerArmy, 1);
    EXPECT_EQ(Board().armyToMove, 1);
    EXPECT_EQ(Board().GetPlayerCode(1), Human);
    EXPECT_EQ(Board().GetPlayerCode(2), 3);
    EXPECT_EQ(Board().GetPlayerCode(3), Human);
    EXPECT_EQ(Board().GetPlayerCode(4), 7);
    EXPECT_TRUE(layer.controlPanelShown);
    EXPECT_EQ(controller->FileName(), "vaeloric.vae");
    EXPECT_FALSE(controller->Modified());
    EXPECT_GT(layer.invalidations, 0);
}

TEST_F(GameFlow, TheSeerChosenInThePlayersDialogPlaysAtItsStrengthAndIsSaved) {
    for (const int level : {0, 2}) {
        SCOPED_TRACE(level);
        layer = TFakeWindowLayer{};
        layer.ptahScript = {[](TPtahSquareChoice& c) {
            c.question = "Shall I travel?";
            c.file = 5;
            c.rank = 4;
            return true;
        }};
        layer.playerScript = {[level](TPlayerChoice& c) {
            c.names = {"", "Ann", "", "Bob", ""};
            c.seatCode = {0, 0, 9, 1, 9};
            c.seerLevel = level;
            return true;
        }};
        Start(TStartMode::Demonstration);
        EXPECT_EQ(Board().GetPlayerCode(2), 9);
        EXPECT_EQ(Board().GetPlayerCode(3), Human);
        EXPECT_EQ(Board().GetPlayerCode(4), 9);
        EXPECT_EQ(controller->SeerLimits().milliseconds, SeerLevel(level).milliseconds);

        const std::string path = (folder / "seer.vae").string();
        layer.saveScript = {path};
        ASSERT_TRUE(controller->SaveAs());
        TSavedGame saved;
        ASSERT_TRUE(ParseSavedGame(Contents(path), 'W', saved).Loaded());
        EXPECT_EQ(saved.setUp.seatCode, (std::array<std::int32_t, 5>{0, 0, 9, 1, 9}));
        EXPECT_EQ(saved.board.GetPlayerCode(4), 9);
    }
}

TEST_F(GameFlow, ClosingASetUpDialogCanQuitTheDemonstration) {
    for (const bool atPlayers : {false, true}) {
        layer = TFakeWindowLayer{};
        layer.ptahScript = {[&](TPtahSquareChoice& c) {
            c.question = "Q";
            return atPlayers;
        }};
        layer.playerScript = {[](TPlayerChoice&) { return false; }};
        Start(TStartMode::Demonstration);
        EXPECT_EQ(layer.BoxTexts(), std::vector<std::string>{"Quit Vaeloric Chess?"});
        EXPECT_TRUE(layer.destroyed);
        EXPECT_TRUE(controller->Ended());
        EXPECT_FALSE(controller->Playing());
        EXPECT_FALSE(layer.controlPanelShown);
        EXPECT_EQ(Contents(AnalysisPath()), "(none)");
    }
}

TEST_F(GameFlow, CloseRequestDuringASetUpDialogEndsTheDemonstration) {
    // The window closes under a dialog or the quit question, which then
    // report a cancel: the set-up ends there and opens no dialog again.
    for (const int at : {0, 1, 2}) {  // question dialog, players dialog, quit box
        layer = TFakeWindowLayer{};
        layer.boxAnswers = {TBoxAnswer::No};
        const auto closeUnder = [&] { return !controller->CanClose(); };
        if (at == 2) layer.whileBoxOpen = closeUnder;
        layer.ptahScript = {
            [&](TPtahSquareChoice&) { return at == 1 || (at == 0 && closeUnder()); }};
        layer.playerScript = {[&](TPlayerChoice&) { return closeUnder(); }};
        Start(TStartMode::Demonstration);
        EXPECT_EQ(layer.boxes.size(), at == 2 ? 1u : 0u);
        EXPECT_TRUE(layer.destroyed);
        EXPECT_FALSE(controller->Playing());
        EXPECT_EQ(Contents(AnalysisPath()), "(none)");
    }
}

TEST_F(GameFlow, DemonstrationDialogsOpenWithTheirDefaults) {
    TPtahSquareChoice seenSquare;
    TPlayerChoice seenPlayers;
    layer.ptahScript = {[&](TPtahSquareChoice& c) {
        seenSquare = c;
        c.question = "Q";
        return true;
    }};
    layer.playerScript = {[&](TPlayerChoice& c) {
        seenPlayers = c;
        c.names[1] = "Ann";
        c.names[3] = "Bob";
        return true;
    }};
    game = std::make_unique<TGameSession>();
    controller = std::make_unique<TGameController>(layer, *game);
    EXPECT_EQ(game->setup.caption, "VAELORIC CHESS");
    controller->ReadyToDraw();
    EXPECT_EQ(seenSquare.file, 1);  // A2
    EXPECT_EQ(seenSquare.rank, 2);
    EXPECT_EQ(seenPlayers.seatCode[2], 2);
    EXPECT_EQ(seenPlayers.seatCode[3], Human);
    EXPECT_EQ(seenPlayers.seatCode[4], 3);
    // A2 is in army 2's quarter.
    EXPECT_EQ(Board().questionerArmy, 2);
    EXPECT_EQ(Board().GetPlayerCode(3), 2);
}

TEST_F(GameFlow, LauncherModeSetsUpWithoutAsking) {
    StartLauncher("54xWill it rain?^@Ann^@hBob^@fhDee^@");
    EXPECT_FALSE(layer.Saw("ptah dialog"));
    EXPECT_FALSE(layer.Saw("players dialog"));
    EXPECT_TRUE(layer.boxes.empty());
    EXPECT_TRUE(layer.controlPanelShown);
    // Rank 5, file D: the Questioner plays army 3 and moves first.
    EXPECT_EQ(Board().questionerArmy, 3);
    EXPECT_EQ(Board().armyToMove, 3);
    EXPECT_EQ(Board().GetPlayerCode(4), Human);
    EXPECT_EQ(Board().GetPlayerCode(1), 2);
    EXPECT_EQ(Board().GetPlayerCode(2), Human);
    EXPECT_EQ(Turn().throwValue, 0);
    EXPECT_TRUE(controller->ReadyToDraw());  // later paints draw
}

TEST_F(GameFlow, BoardStyleChangesOnlyWhenTheDialogIsClosedWithOk) {
    StartLauncher();
    layer.optionScript = {[](TOptionSettings& o) {
                              o.simpleBoard = true;
                              return true;
                          },
                          [](TOptionSettings& o) {
                              o.simpleBoard = false;
                              return false;
                          }};
    controller->Command(CmBoardStyle);
    EXPECT_TRUE(controller->Options().simpleBoard);
    controller->Command(CmBoardStyle);
    EXPECT_TRUE(controller->Options().simpleBoard);
}

TEST_F(GameFlow, TimerRefusalIsReportedOnce) {
    StartLauncher();
    controller->ReportTimerRefused();
    ASSERT_EQ(layer.boxes.size(), 1u);
    EXPECT_EQ(layer.boxes[0],
              (TMessageBox{"There are too many timers on your system!",
                           "VAELORIC CHESS - Will it rain?", TBoxButtons::Ok, TBoxIcon::None}));
}

TEST_F(GameFlow, ControlPanelCommandsReachTheirHandlers) {
    StartLauncher();
    layer.Forget();
    controller->Command(CmPieceInfo);
    controller->Command(CmShowGod);
    layer.optionScript = {[](TOptionSettings& o) {
        o.background = TBackground::Purple;
        return true;
    }};
    const int before = layer.invalidations;
    controller->Command(CmBackgroundColour);
    EXPECT_EQ(controller->Options().background, TBackground::Purple);
    EXPECT_GT(layer.invalidations, before);
    layer.optionScript = {[](TOptionSettings& o) {
        o.musicOn = true;
        return true;
    }};
    controller->Command(CmMusic);
    controller->Command(CmMoveReading);
    controller->Command(CmWholeReading);
    EXPECT_FALSE(controller->MoveReading());
    EXPECT_TRUE(controller->WholeReading());
    controller->Command(CmResign);
    EXPECT_EQ(layer.events,
              (std::vector<std::string>{"piece info", "ruler panel", "option dialog 0",
                                        "option dialog 4", "music start", "music close"}));
    EXPECT_EQ(layer.closeRequests, 1);
    EXPECT_TRUE(layer.boxes.empty());
}

}  // namespace
}  // namespace vaeloric::testing
