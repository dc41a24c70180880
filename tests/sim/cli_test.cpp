// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "game/legal_moves.h"
#include "players/computer_move.h"
#include "sim/game_runner.h"
#include "sim/sim_support.h"
#include "sim_test_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

const std::string kSampleGame = (kSimData / "board-A-E5-seed101-limit61" / "game.vae").string();

TEST(SimUsage, BadUsageAndBadFilesGiveOneSentenceAndStatusTwo) {
    const fs::path damaged = TempPath("damaged.vae");
    {
        std::string text = ReadFile(kSampleGame);
        text.replace(text.find("|GR"), 3, "|Z9");
        std::ofstream(damaged, std::ios::binary) << text;
    }
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"fly"},
        {"legal", kSampleGame},
        {"legal", kSampleGame, "7"},
        {"legal", kSampleGame, "x"},
        {"legal", "/no/such/file.vae", "1"},
        {"legal", damaged.string(), "1"},
        {"status", kSampleGame, "extra"},
        {"choose", kSampleGame, "1", "--opponent", "0"},
        {"choose", kSampleGame, "1", "--opponent"},
        {"choose", kSampleGame, "1", "--fast"},
        {"read", kSampleGame, "D4"},  // an empty square
        {"read", kSampleGame, "I9"},
        {"play", "--ptah", "A1"},
        {"play", "--ptah", "h8"},
        {"play", "--board", "X"},
        {"play", "--seats", "fqh"},
        {"play", "--seats", "fq"},
        {"play", "--questioner", "1"},
        {"play", "--seed", "-1"},
        {"play", "--turns", "100000001"},
        {"play", "--turns", "-1"},
        {"play", "--turns"},
        {"play", "--colour", "red"},
        {"bench", "--games", "x"},
    };
    for (const auto& args : cases) {
        const TSimRun run = RunSim(args);
        std::string shown;
        for (const auto& arg : args) shown += arg + " ";
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        ASSERT_FALSE(run.err.empty()) << shown;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << shown << ": " << run.err;
    }
    fs::remove(damaged);
}

TEST(SimUsage, ChooseNeedsAProfileBeforeItLooksForMoves) {
    // The E-F2 sample leaves the Questioner's (human) army to move, with no
    // move on a 2.
    const std::string game = (kSimData / "board-E-F2-seed303-limit250" / "game.vae").string();
    EXPECT_EQ(RunSim({"choose", game, "2"}).status, 2);
    const TSimRun none = RunSim({"choose", game, "2", "--opponent", "5"});
    EXPECT_EQ(none.status, 3);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(RunSim({"legal", game, "2"}).out, "");
    // Lower-case squares are accepted.
    EXPECT_EQ(RunSim({"play", "--ptah", "e4", "--turns", "3"}).status, 0);
}

TEST(SimPlay, SameSeedSameGame) {
    const std::vector<std::string> args = {"play",   "--board", "F",       "--ptah", "D5",
                                           "--seed", "42",      "--turns", "80"};
    const TSimRun first = RunSim(args);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(RunSim(args).out, first.out);
    EXPECT_EQ(Lines(first.out).size(), 81u);
    EXPECT_EQ(Lines(first.out).back(), "result: unfinished");
    // Seeds are reduced as std::minstd_rand reduces them.
    std::vector<std::string> same = args;
    same[6] = "2147483689";  // 42 + 2147483647
    EXPECT_EQ(RunSim(same).out, first.out);
    std::vector<std::string> other = args;
    other[6] = "43";
    EXPECT_NE(RunSim(other).out, first.out);
}

TEST(SimPlay, FinishedGamesWriteTheAnswer) {
    struct TRow {
        const char* seed;
        const char* turns;
        const char* result;
        const char* answer;
    };
    // Seed 5 is won on its 12th turn: a game decided on the last turn
    // allowed is still won.
    const TRow rows[] = {
        {"5", "12", "result: win",
         "Because you won the game it is a FAVOURABLE ANSWER to the question."},
        {"6", "2000", "result: lose",
         "Because you lost the game it is an UNFAVOURABLE ANSWER to the question."},
        {"5", "11", "result: unfinished",
         "The game was ended prematurely, so there is no win or lose."},
    };
    for (const TRow& row : rows) {
        const fs::path analysis = TempPath("analysis.txt");
        const TSimRun run = RunSim(
            {"play", "--seed", row.seed, "--turns", row.turns, "--analysis", analysis.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Lines(run.out).back(), row.result);
        const std::string text = ReadFile(analysis);
        EXPECT_NE(text.find(row.answer), std::string::npos) << text;
        EXPECT_NE(text.find("Neural net analysis of the game:"), std::string::npos);
        fs::remove(analysis);
    }
    // A file where the folder should be: the analysis cannot be written.
    const fs::path blocker = TempPath("blocker");
    std::ofstream(blocker) << "x";
    const TSimRun blocked =
        RunSim({"play", "--turns", "3", "--analysis", (blocker / "analysis.txt").string()});
    EXPECT_EQ(blocked.status, 2);
    EXPECT_EQ(blocked.out, "");
    fs::remove(blocker);
}

TEST(SimPlay, SavedGameGivesTheSameAnswersReadBack) {
    sim::TGameOptions options;
    options.boardLetter = 'E';
    options.ptah = TSquare{6, 3};
    options.seed = 9;
    options.turnLimit = 70;
    sim::TGame game;
    std::string played;
    sim::PlayGame(options, game, [&](const std::string& line) { played += line + "\n"; });

    const fs::path saved = TempPath("roundtrip.vae");
    const TSimRun run = RunSim({"play", "--board", "E", "--ptah", "C6", "--seed", "9", "--turns",
                                "70", "--save", saved.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, played);

    const std::int32_t army = game.board.armyToMove;
    const std::string opponent = std::to_string(game.board.GetPlayerCode(army));
    for (TDieFace face = 1; face <= 6; ++face) {
        std::string legal;
        TLegalMoveList list;
        ListLegalMoves(game.board, army, face, list);
        for (const TLegalMove& move : list)
            legal += sim::MoveText(move.from.Square(), move.to.Square()) + "\n";
        EXPECT_EQ(RunSim({"legal", saved.string(), std::to_string(face)}).out, legal) << face;

        const TSimRun chosen =
            RunSim({"choose", saved.string(), std::to_string(face), "--opponent", opponent});
        TBoard board = game.board;
        SquareRecord destination, origin;
        if (ChooseComputerMove(board, face, army, destination, origin)) {
            EXPECT_EQ(chosen.out, sim::MoveText(origin.Square(), destination.Square()) + "\n")
                << face;
        } else {
            EXPECT_EQ(chosen.status, 3) << face;
        }
    }
    fs::remove(saved);
}

}  // namespace
}  // namespace vaeloric
