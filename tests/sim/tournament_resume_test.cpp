// SPDX-License-Identifier: GPL-3.0-or-later

// Whole runs: a run stopped by a signal and taken up from its progress file
// ends as one that was never stopped, and a sequential test stops at the
// same game whatever the threads, with a record of every game it counted.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <set>
#include <sstream>
#include <thread>

#include "sim_test_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;

bool HandlerInstalled(int signal) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler != SIG_DFL && current.sa_handler != SIG_IGN;
}

// SIGTERM a moment after the tournament put its handler in place, as
// `timeout` would send it.
TSimRun RunStopped(const std::vector<std::string>& args) {
    std::thread sender([] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!HandlerInstalled(SIGTERM) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        if (HandlerInstalled(SIGTERM)) kill(getpid(), SIGTERM);
    });
    TSimRun run = RunSim(args);
    sender.join();
    return run;
}

std::vector<std::string> Plan(const std::string& seed) {
    return {"tournament", "--profiles", "2,5",    "--boards", "WA",        "--games", "60",
            "--turns",    "120",        "--seed", seed,       "--threads", "2"};
}

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(TournamentResume, AStoppedRunTakenUpEndsAsOneNeverStopped) {
    const auto whole = TempPath("whole.csv"), wholeJson = TempPath("whole.json");
    const auto csv = TempPath("resumed.csv"), json = TempPath("resumed.json");
    const auto progress = TempPath("progress.txt");
    const TSimRun uninterrupted =
        RunSim(With(Plan("3"), {"--csv", whole.string(), "--json", wholeJson.string(), "--pairs"}));
    ASSERT_EQ(uninterrupted.status, 0) << uninterrupted.err;

    const TSimRun stopped = RunStopped(With(Plan("3"), {"--resume", progress.string(), "--pairs"}));
    ASSERT_EQ(stopped.status, 143) << stopped.err;
    const std::size_t kept = Lines(ReadFile(progress)).size();
    EXPECT_GE(kept, 2u);               // the two lines naming the plan
    EXPECT_LT(kept, 2u + 2 * 2 * 60);  // not every game

    // Another plan is refused, and the file is left as it was.
    const std::string before = ReadFile(progress);
    for (const auto& other : {With(Plan("4"), {"--pairs"}), Plan("3")}) {
        const TSimRun refused = RunSim(With(other, {"--resume", progress.string()}));
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err.find("is not the progress file of this tournament"),
                  std::string::npos)
            << refused.err;
        EXPECT_EQ(ReadFile(progress), before);
    }

    const TSimRun resumed =
        RunSim(With(Plan("3"), {"--resume", progress.string(), "--pairs", "--csv", csv.string(),
                                "--json", json.string()}));
    ASSERT_EQ(resumed.status, 0) << resumed.err;
    EXPECT_EQ(ReadFile(csv), ReadFile(whole));
    EXPECT_EQ(ReadFile(json), ReadFile(wholeJson));
    EXPECT_EQ(Lines(ReadFile(progress)).size(), 2u + 2 * 2 * 60);
    // The tables but for the time taken.
    const auto tables = [](const std::string& out) { return out.substr(out.find("\n\n")); };
    EXPECT_EQ(tables(resumed.out), tables(uninterrupted.out));

    // A finished run taken up again plays nothing and reports the same.
    const TSimRun again = RunSim(With(Plan("3"), {"--resume", progress.string(), "--pairs"}));
    EXPECT_EQ(tables(again.out), tables(uninterrupted.out));
}

// Fields of a CSV line.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    return fields;
}

TEST(TournamentSprt, StopsAtTheSameGameWhateverTheThreadsWithEveryRecord) {
    std::string csv[2];
    std::string decision[2];
    for (int threads = 1; threads <= 2; ++threads) {
        const auto path = TempPath("sprt-" + std::to_string(threads) + ".csv");
        const auto folder = TempPath("records-" + std::to_string(threads));
        std::filesystem::create_directories(folder);
        const TSimRun run = RunSim({"tournament", "--profiles", "28", "--turns", "200", "--threads",
                                    std::to_string(threads), "--sprt", "-100,0", "--csv",
                                    path.string(), "--records", folder.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.find("Interrupted"), std::string::npos);
        const std::size_t at = run.out.find("Sequential test");
        ASSERT_NE(at, std::string::npos) << run.out;
        decision[threads - 1] = run.out.substr(at, run.out.find('\n', at) - at);
        EXPECT_NE(decision[threads - 1].find("accepted after"), std::string::npos);
        csv[threads - 1] = ReadFile(path);

        // Games 1 to N, N well short of the cap, each with its record, and
        // the record's game is the CSV row's.
        const std::vector<std::string> rows = Lines(csv[threads - 1]);
        ASSERT_GT(rows.size(), 1u);
        EXPECT_LT(rows.size(), 2000u);
        std::set<std::string> expected, written;
        for (std::size_t i = 1; i < rows.size(); ++i) {
            EXPECT_EQ(Fields(rows[i])[0], std::to_string(i));
            expected.insert("game-" + std::to_string(i) + ".vrec");
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            written.insert(entry.path().filename().string());
        EXPECT_EQ(written, expected);
        const std::vector<std::string> last = Fields(rows.back());
        const TSimRun replay =
            RunSim({"replay", (folder / ("game-" + last[0] + ".vrec")).string()});
        ASSERT_EQ(replay.status, 0) << replay.err;
        EXPECT_NE(replay.out.find("turns " + last[7] + "\n"), std::string::npos) << replay.out;
        EXPECT_NE(replay.out.find("result " + last[8]), std::string::npos) << replay.out;
    }
    EXPECT_EQ(csv[0], csv[1]);
    EXPECT_EQ(decision[0], decision[1]);

    // Two profiles only, and hypotheses in order.
    for (const auto& bad :
         std::vector<std::vector<std::string>>{{"--profiles", "258", "--sprt", "0,10"},
                                               {"--profiles", "28", "--sprt", "10,0"},
                                               {"--profiles", "28", "--sprt", "0,10,0.5,0.05"},
                                               {"--profiles", "28", "--sprt", "0,10,0.05"},
                                               {"--profiles", "28", "--sprt", "0,x"}}) {
        std::vector<std::string> args = {"tournament"};
        args.insert(args.end(), bad.begin(), bad.end());
        const TSimRun run = RunSim(args);
        EXPECT_EQ(run.status, 2) << bad.back();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("--sprt"), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace vaeloric
