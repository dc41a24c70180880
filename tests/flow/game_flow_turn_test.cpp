// SPDX-License-Identifier: GPL-3.0-or-later

// The turn cycle: the throw, dice, Miss Go, computer moves, readings.
#include "flow/flow_texts.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

TEST_F(GameFlow, ThrowButtonThrowsOnceUntilTheTurnIsOver) {
    StartLauncher();
    const int before = layer.invalidations;
    ThrowButton();
    const int face = Turn().throwValue;
    EXPECT_GE(face, 1);
    EXPECT_LE(face, 6);
    EXPECT_TRUE(controller->Modified());
    EXPECT_GT(layer.invalidations, before);
    if (Board().armyToMove == 1) {  // no Miss Go: the throw stays pending
        ThrowButton();
        Enter(3);
        EXPECT_EQ(Turn().throwValue, face);
        EXPECT_FALSE(layer.Saw("dice dialog"));
    }
}

TEST_F(GameFlow, DiceDialogGivesTheChosenFace) {
    StartLauncher();
    for (int face : {1, 6}) {  // pawns can always move at the start
        Enter(face);
        EXPECT_EQ(Turn().throwValue, face);
        EXPECT_EQ(Board().armyToMove, 1);
        Turn().throwValue = 0;
    }
    EXPECT_TRUE(layer.boxes.empty());
}

TEST_F(GameFlow, DiceDialogClosedWithoutOkCostsTheTurn) {
    StartLauncher();
    for (int expected : {2, 3, 4, 1}) {
        layer.Forget();
        Enter(std::nullopt);
        ASSERT_EQ(layer.boxes.size(), 1u);
        EXPECT_EQ(layer.boxes[0], (TMessageBox{"Dice roll prevents moving", "Miss Go"}));
        EXPECT_EQ(Turn().throwValue, 0);
        EXPECT_EQ(Board().armyToMove, expected);
    }
}

TEST_F(GameFlow, CheckmatedArmyLosesEveryTurnWithItsNotice) {
    const char* notices[5] = {"", "FIRE is in CHECKMATE", "EARTH is in CHECKMATE",
                              "AIR is in CHECKMATE", "WATER is in CHECKMATE"};
    for (int army = 1; army <= 4; ++army) {
        layer.Forget();
        StartLauncher();
        Board().armyToMove = army;
        Turn().checkmated[army] = 1;
        Enter(1);
        ASSERT_FALSE(layer.boxes.empty()) << army;
        EXPECT_EQ(layer.boxes[0], (TMessageBox{notices[army], "Miss Go"}));
        EXPECT_EQ(Board().armyToMove, NextArmy(army));
        EXPECT_EQ(Turn().throwValue, 0);
    }
}

TEST_F(GameFlow, FaceWithoutAMovablePieceIsAMissGo) {
    StartLauncher();
    ClearBoard();
    Place(1, 8, King, 1);
    Place(2, 1, Rook, 1);
    Place(8, 1, King, 3);
    Enter(2);  // army 1 has no Horse
    EXPECT_EQ(layer.BoxTexts(), (std::vector<std::string>{"Dice roll prevents moving"}));
    EXPECT_EQ(Board().armyToMove, 2);
    Board().armyToMove = 1;
    layer.Forget();
    Enter(5);  // the Rook can move
    EXPECT_TRUE(layer.boxes.empty());
    EXPECT_EQ(Turn().throwValue, 5);
}

TEST_F(GameFlow, MoveButtonMakesTheComputersMoveUnderTheWaitCursor) {
    StartLauncher(kVersusComputers);
    Enter(std::nullopt);  // the Questioner's army 1 misses its go
    ASSERT_EQ(Board().armyToMove, 2);
    TLegalMove expected;
    ASSERT_TRUE(FirstLegalMove(6, expected));
    layer.Forget();
    Enter(6);
    ASSERT_EQ(Turn().throwValue, 6);
    const TBoard before = Board();
    MoveButton();
    EXPECT_TRUE(layer.Saw("wait on"));
    EXPECT_EQ(layer.waitDepth, 0);
    EXPECT_EQ(Turn().throwValue, 0);
    EXPECT_EQ(Board().armyToMove, 3);
    // A pawn of army 2 moved to the destination the panel shows.
    const TPiece moved = Board().GetPiece(Turn().lastMove.rank, Turn().lastMove.file);
    EXPECT_EQ(moved.army, 2);
    EXPECT_FALSE(before.GetPiece(Turn().lastMove.rank, Turn().lastMove.file) == moved);
    // The "Move" switch is on at start-up: one reading, after the panel.
    ASSERT_EQ(layer.readings.size(), 1u);
    EXPECT_EQ(layer.readings[0].first, "Last move analysis");
    const auto panel = std::find(layer.events.begin(), layer.events.end(), "information panel");
    const auto reading =
        std::find(layer.events.begin(), layer.events.end(), "reading:Last move analysis");
    EXPECT_LT(panel, reading);
    // The move is shown sliding from the square it left, before the reading.
    const TTurnState& turn = Turn();
    EXPECT_EQ(turn.mover, 2);
    EXPECT_EQ(before.GetPiece(turn.moveFrom.rank, turn.moveFrom.file).army, 2);
    EXPECT_EQ(Board().GetPiece(turn.moveFrom.rank, turn.moveFrom.file).kind, Empty);
    EXPECT_TRUE(SquaresEqual(turn.moveTo, turn.lastMove.Square()));
    const std::string slide = "slide " + std::to_string(turn.moveFrom.rank) +
                              std::to_string(turn.moveFrom.file) + "-" +
                              std::to_string(turn.moveTo.rank) + std::to_string(turn.moveTo.file);
    EXPECT_LT(std::find(layer.events.begin(), layer.events.end(), slide), reading);
}

TEST_F(GameFlow, ReadingSwitchesChooseTheDialogs) {
    struct Row {
        bool toggleMove, toggleWhole;
        std::vector<std::string> captions;
    };
    const Row rows[] = {
        {false, false, {"Last move analysis"}},
        {true, false, {}},
        {true, true, {"Whole game analysis"}},
        {false, true, {"Whole game analysis", "Last move analysis"}},
    };
    for (const Row& row : rows) {
        layer.Forget();
        StartLauncher(kVersusComputers);
        if (row.toggleMove) controller->Command(CmMoveReading);
        if (row.toggleWhole) controller->Command(CmWholeReading);
        Enter(std::nullopt);
        Enter(6);
        MoveButton();
        std::vector<std::string> captions;
        for (const auto& [caption, text] : layer.readings)
            captions.push_back(caption.substr(0, caption.find(" - ") == std::string::npos
                                                     ? caption.size()
                                                     : caption.find(" - ")));
        EXPECT_EQ(captions, row.captions);
    }
}

}  // namespace
}  // namespace vaeloric::testing
