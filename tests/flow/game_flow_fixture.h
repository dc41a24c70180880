// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>

#include "flow/command_line.h"
#include "flow/game_controller.h"
#include "flow/game_session.h"
#include "game/board.h"
#include "game/legal_moves.h"
#include "tests/flow/fake_window_layer.h"

namespace vaeloric::testing {

// All four seats human, Ptah square E4: the Questioner plays army 1.
inline constexpr const char* kAllHuman = "45xWill it rain?^@Ann^@hBob^@hCid^@hDee^@";
// Questioner on army 1, the three others computer players.
inline constexpr const char* kVersusComputers = "45xWill it rain?^@Ann^@fqo";

// One game driven through the fake window, in the game's own terms: the
// turn's buttons, and pieces picked up and dropped on squares.
class GameFlow : public ::testing::Test {
  protected:
    // Every test writes its analysis file into a folder of its own.
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = std::filesystem::temp_directory_path() /
                 ("vaeloric-flow-" + std::string(info->test_suite_name()) + "-" + info->name() +
                  "-" + std::to_string(std::random_device{}()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        SetAnalysisFile((folder / "vaelfin.tmp").string());
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static void SetAnalysisFile(const std::string& path) {
#ifdef _WIN32
        _putenv_s("VAELORIC_ANALYSIS_FILE", path.c_str());
#else
        setenv("VAELORIC_ANALYSIS_FILE", path.c_str(), 1);
#endif
    }
    std::string AnalysisPath() const {
        return (folder / "vaelfin.tmp").string();
    }
    // The whole file, or "(none)" when there is none.
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) return "(none)";
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    // The analysis file is text: read the platform's line ends as '\n'.
    std::string AnalysisText() const {
        std::ifstream in(AnalysisPath());
        if (!in) return "(none)";
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void Start(TStartMode mode, const std::string& argument = kAllHuman, char boardLetter = 'W') {
        game = std::make_unique<TGameSession>();
        game->mode = mode;
        game->boardLetter = boardLetter;
        game->reloadPath = reloadPath;
        if (mode == TStartMode::Launcher) ParseLauncherArgument(argument, boardLetter, game->setup);
        controller = std::make_unique<TGameController>(layer, *game);
        controller->SeedDice(7);
        EXPECT_FALSE(controller->ReadyToDraw());  // the first paint sets up
    }
    std::string reloadPath;  // what follows the `*` in reload mode
    void StartLauncher(const std::string& argument = kAllHuman) {
        Start(TStartMode::Launcher, argument);
    }

    TBoard& Board() {
        return game->board;
    }
    TTurnState& Turn() {
        return game->turn;
    }

    void ThrowButton() {
        controller->Throw();
    }
    // A throw of `face` through the dice dialog (nullopt: the dialog is
    // closed without OK).
    void Enter(std::optional<std::int32_t> face) {
        layer.diceScript.push_back(face);
        controller->EnterThrow();
    }
    void MoveButton() {
        controller->MakeComputerMove();
    }
    void Drag(TSquare from, TSquare to) {
        controller->PickUp(from);
        controller->Drop(to);
    }

    // An empty board (army to move 1, player codes kept) to build positions on.
    void ClearBoard() {
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file) Board().PutPiece(rank, file, TPiece{});
    }
    void Place(int rank, int file, std::int32_t kind, std::int32_t army) {
        // A King joined with its companion is worth what a King is.
        const std::int32_t value = InitialValue(Board(), kind == CombinedKing ? King : kind, army);
        Board().PutPiece(rank, file,
                         TPiece{kind, army, AllyOf(army), Board().GetPlayerCode(army), value});
    }

    // The first legal move of the army to move for a face, if any.
    bool FirstLegalMove(TDieFace face, TLegalMove& move) {
        TLegalMoveList list;
        ListLegalMoves(Board(), Board().armyToMove, face, list);
        if (list.Empty()) return false;
        move = list[0];
        return true;
    }

    std::filesystem::path folder;
    TFakeWindowLayer layer;
    std::unique_ptr<TGameSession> game;
    std::unique_ptr<TGameController> controller;
};

inline TSquare Sq(int rank, int file) {
    return TSquare{rank, file};
}

}  // namespace vaeloric::testing
