// SPDX-License-Identifier: GPL-3.0-or-later

// Outside engines in a tournament: an engine that is silent, crashes,
// answers late, answers with an illegal move, floods its output or quits
// mid-game loses each game with a note, is killed with what it started, and
// never holds the tournament up; the program's own engine plays whole games.
#include <gtest/gtest.h>
#include <signal.h>

#include <sstream>

#include "sim_test_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;

const std::string kFake = std::string(VAELORIC_SOURCE_DIR) + "/tests/sim/fake_engine.sh";

std::vector<std::vector<std::string>> CsvRows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : Lines(csv)) {
        std::vector<std::string> fields;
        std::stringstream in(line);
        for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

TEST(TournamentEngine, AFaultyEngineLosesEveryGameWithANoteAndIsKilled) {
    const struct {
        const char* mode;
        const char* why;
    } rows[] = {
        {"silent", "did not answer protocol 1 with ready (no answer in 1000 ms)"},
        {"crash", "did not answer protocol 1 with ready (it ended or closed its output)"},
        {"late", "no answer in 200 ms"},
        {"illegal", "answered 'bestmove A1-A1', not a legal move"},
        {"flood", "wrote a line of more than 64 KiB"},
        {"quit-on-go", "it ended or closed its output"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mode);
        const auto csv = TempPath(std::string("engine-") + row.mode + ".csv");
        const auto pidFile = TempPath(std::string("engine-") + row.mode + ".pid");
        const std::string command = kFake + " " + row.mode + " " + pidFile.string();
        const TSimRun run = RunSim({"tournament", "--profiles", "5", "--engine", "fake=" + command,
                                    "--boards", "W", "--games", "1", "--turns", "60", "--threads",
                                    "2", "--engine-time", "200", "--csv", csv.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("Games lost by an engine's fault: 2\n"), std::string::npos)
            << run.out;
        // Each game is lost by the engine's side: the Questioner's side loses
        // when the engine is it, and wins against it.
        const auto games = CsvRows(ReadFile(csv));
        ASSERT_EQ(games.size(), 3u);
        for (std::size_t i = 1; i < games.size(); ++i) {
            const bool engineQuestioner = games[i][4] == "10";
            EXPECT_EQ(games[i][8], engineQuestioner ? "lose" : "win") << games[i][0];
            EXPECT_NE(run.out.find("game " + games[i][0] + ", turn "), std::string::npos);
        }
        EXPECT_NE(run.out.find(std::string(": fake ") + row.why + "; it loses the game"),
                  std::string::npos)
            << run.out;
        // What the late engine started is gone with it: no such process, or
        // a dead one its new parent has not yet collected.
        if (std::string(row.mode) == "late") {
            const std::string pid = ReadFile(pidFile);
            ASSERT_FALSE(pid.empty());
            const int id = std::stoi(pid);
            if (kill(id, 0) == 0) {
                const std::string stat = ReadFile("/proc/" + std::to_string(id) + "/stat");
                const std::size_t state = stat.rfind(')');
                ASSERT_NE(state, std::string::npos) << stat;
                EXPECT_EQ(stat.substr(state + 2, 1), "Z") << "process " << id << " still runs";
            }
        }
    }
}

TEST(TournamentEngine, TheProgramsOwnEnginePlaysWholeGamesAlikeOnAnyThreads) {
    const std::string engine =
        std::string("seer=") + VAELORIC_SIM_PROGRAM + " engine --seer-nodes 200";
    std::string csv[2];
    for (int threads = 1; threads <= 2; ++threads) {
        const auto path = TempPath("own-engine-" + std::to_string(threads) + ".csv");
        const TSimRun run =
            RunSim({"tournament", "--profiles", "27", "--engine", engine, "--boards", "WF",
                    "--games", "1", "--turns", "80", "--engine-time", "5000", "--threads",
                    std::to_string(threads), "--csv", path.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.find("engine's fault"), std::string::npos) << run.out;
        EXPECT_NE(run.out.find("10 seer"), std::string::npos);
        csv[threads - 1] = ReadFile(path);
        const auto rows = CsvRows(csv[threads - 1]);
        ASSERT_EQ(rows.size(), 1u + 3 * 2 * 2);
        long withEngine = 0, turns = 0;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const bool engineGame = rows[i][4] == "10" || rows[i][5] == "10";
            withEngine += engineGame;
            if (engineGame) turns += std::stol(rows[i][7]);
        }
        EXPECT_EQ(withEngine, 2 * 2 * 2);
        EXPECT_GT(turns, 8 * 10) << "the engine's games ended early";
    }
    EXPECT_EQ(csv[0], csv[1]);

    // Bad engine options: one sentence, status 2.
    for (const auto& bad :
         std::vector<std::string>{"=x", "name", "na me=x", "name= ", "a-very-long-engine-name=x"}) {
        const TSimRun run = RunSim({"tournament", "--profiles", "5", "--engine", bad});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_NE(run.err.find("--engine needs NAME=COMMAND"), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace vaeloric
