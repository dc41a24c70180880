// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "sim_test_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;

// The Seer's games come from the seed alone: the same game twice, and the
// same tournament results with one thread or two.
TEST(SeerInSim, NodeLimitedGamesRepeatWhateverTheThreads) {
    const std::vector<std::string> play = {"play", "--board",      "E",  "--ptah", "C3", "--seats",
                                           "sqs",  "--questioner", "9",  "--seed", "77", "--turns",
                                           "24",   "--seer-nodes", "400"};
    const TSimRun first = RunSim(play);
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(RunSim(play).out, first.out);
    EXPECT_EQ(Lines(first.out).size(), 25u);

    std::string csv[2][2];
    for (int threads = 1; threads <= 2; ++threads)
        for (int again = 0; again < 2; ++again) {
            const auto path =
                TempPath("seer-" + std::to_string(threads) + std::to_string(again) + ".csv");
            const TSimRun run =
                RunSim({"tournament", "--profiles", "59", "--boards", "W", "--games", "1",
                        "--turns", "16", "--seed", "3", "--seer-nodes", "300", "--threads",
                        std::to_string(threads), "--csv", path.string()});
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_NE(run.out.find("9 The Seer"), std::string::npos) << run.out;
            csv[threads - 1][again] = ReadFile(path);
            std::filesystem::remove(path);
        }
    EXPECT_EQ(csv[0][0], csv[0][1]);
    EXPECT_EQ(csv[0][0], csv[1][0]);
    EXPECT_EQ(csv[1][0], csv[1][1]);
}

// A record of a game the Seer played as the Questioner replays to the same
// game.
TEST(SeerInSim, ARecordWithTheSeerAsQuestionerReplays) {
    const auto record = TempPath("seer-questioner.vrec");
    const auto saved = TempPath("seer-questioner.vae"), replayed = TempPath("seer-replayed.vae");
    const TSimRun play = RunSim({"play", "--questioner", "9", "--seed", "3", "--turns", "8",
                                 "--record", record.string(), "--save", saved.string()});
    ASSERT_EQ(play.status, 0) << play.err;
    EXPECT_NE(ReadFile(record).find("[Seat1 \"s\"]"), std::string::npos);
    const TSimRun replay = RunSim({"replay", record.string(), "--save", replayed.string()});
    ASSERT_EQ(replay.status, 0) << replay.err;
    EXPECT_EQ(ReadFile(replayed), ReadFile(saved));
    for (const auto& path : {record, saved, replayed}) std::filesystem::remove(path);
}

// A saved game keeps the Seer's letter; choose plays its move, which is one
// of the legal moves.
TEST(SeerInSim, SavedGameKeepsTheSeerAndChooseAnswersLegally) {
    const auto path = TempPath("seer-game.vae");
    const TSimRun play = RunSim(
        {"play", "--seats", "sfs", "--turns", "9", "--seer-nodes", "200", "--save", path.string()});
    ASSERT_EQ(play.status, 0) << play.err;
    const std::vector<std::string> lines = Lines(ReadFile(path));
    const auto user2 = std::find(lines.begin(), lines.end(), "[USER2]");
    ASSERT_NE(user2, lines.end());
    EXPECT_EQ(*(user2 + 1), "s");
    int answered = 0;
    for (const char* face : {"1", "2", "3", "4", "5", "6"}) {
        const TSimRun legal = RunSim({"legal", path.string(), face});
        const TSimRun choose =
            RunSim({"choose", path.string(), face, "--opponent", "9", "--seer-nodes", "300"});
        if (legal.out.empty()) {
            EXPECT_EQ(choose.status, 3);
            continue;
        }
        ASSERT_EQ(choose.status, 0) << choose.err;
        const std::vector<std::string> moves = Lines(legal.out);
        const std::string chosen = Lines(choose.out).at(0);
        EXPECT_NE(std::find(moves.begin(), moves.end(), chosen), moves.end()) << chosen;
        const TSimRun scored = RunSim(
            {"choose", path.string(), face, "--opponent", "9", "--seer-nodes", "300", "--scores"});
        EXPECT_EQ(Lines(scored.out).back(), "best " + chosen);
        ++answered;
    }
    EXPECT_GT(answered, 0);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace vaeloric
