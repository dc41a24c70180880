// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "sim/tournament/rating_fit.h"
#include "sim/tournament/report.h"
#include "sim/tournament/runner.h"
#include "sim_test_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;
using sim::TPairingScore;

TEST(Tournament, SameCsvWhateverTheThreadsAndBothTablesPrinted) {
    std::string csv[2];
    for (int threads = 1; threads <= 2; ++threads) {
        const auto path = TempPath("tournament-" + std::to_string(threads) + ".csv");
        const TSimRun run = RunSim({"tournament", "--profiles", "2,5,8", "--boards", "WF",
                                    "--games", "1", "--turns", "40", "--seed", "7", "--threads",
                                    std::to_string(threads), "--csv", path.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("Rating"), std::string::npos);
        EXPECT_NE(run.out.find("Chance of a favourable answer"), std::string::npos);
        csv[threads - 1] = ReadFile(path);
        std::filesystem::remove(path);
    }
    EXPECT_EQ(Lines(csv[0]).size(), 1u + 3 * 2 * 2);
    EXPECT_EQ(csv[0], csv[1]);
}

// A result file of this test alone, whichever checkout runs it.
std::filesystem::path Own(const std::string& kind) {
    return TempPath("set-" + std::to_string(std::hash<std::string>{}(VAELORIC_SOURCE_DIR)) + "." +
                    kind);
}

// The three files of a run name it alike, so that a reader can tell files
// of two runs (one stopped between its writes) from one set.
TEST(Tournament, TheResultFilesOfOneRunCarryOneRunId) {
    const auto run = [](const std::string& seed) {
        std::vector<std::string> args = {"tournament", "--profiles", "2,5", "--boards",
                                         "W",          "--games",    "1",   "--turns",
                                         "20",         "--seed",     seed};
        for (const char* kind : {"csv", "json", "svg"})
            args.insert(args.end(), {std::string("--") + kind, Own(kind).string()});
        EXPECT_EQ(RunSim(args).status, 0);
        const std::string csv = ReadFile(Own("csv"));
        const std::string json = ReadFile(Own("json"));
        const std::string svg = ReadFile(Own("svg"));
        EXPECT_EQ(Lines(csv).at(0).substr(Lines(csv).at(0).rfind(',')), ",run");
        const std::string id = Lines(csv).at(1).substr(Lines(csv).at(1).rfind(',') + 1);
        EXPECT_EQ(id.size(), 16u);
        for (std::size_t i = 1; i < Lines(csv).size(); ++i)
            EXPECT_EQ(Lines(csv)[i].substr(Lines(csv)[i].rfind(',') + 1), id);
        EXPECT_EQ(json.rfind("{\n  \"run\": \"" + id + "\",\n", 0), 0u) << json.substr(0, 40);
        EXPECT_NE(svg.find("<!-- run: " + id + " -->"), std::string::npos);
        return id;
    };
    const std::string first = run("7");
    EXPECT_EQ(run("7"), first);
    EXPECT_NE(run("8"), first);
    for (const char* kind : {"csv", "json", "svg"}) std::filesystem::remove(Own(kind));
}

TEST(Tournament, BadOptionsGiveOneSentenceAndStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"--games", "0"},
        {"--profiles", "5"},
        {"--profiles", "559"},
        {"--profiles", "19"},
        {"--boards", "WX"},
        {"--boards", ""},
        {"--turns", "100001"},
        {"--seed", "99999999999"},
        {"--threads", "0"},
        {"--csv", "/no/such/folder/r.csv"},
        {"--svg"},
        {"--fast"},
        {"--games", "1000000"},  // too many games in all
    };
    for (auto args : cases) {
        args.insert(args.begin(), "tournament");
        const TSimRun run = RunSim(args);
        EXPECT_EQ(run.status, 2) << args[1];
        EXPECT_EQ(run.out, "") << args[1];
        EXPECT_EQ(Lines(run.err).size(), 1u) << args[1] << ": " << run.err;
    }
}

TEST(Tournament, NothingPlayedBeforeAStopStillReports) {
    sim::TTournamentPlan plan;
    const std::atomic<bool> stop{true};
    const sim::TTournamentReport report =
        sim::MakeReport(plan, sim::PlayTournament(plan, 2, stop, nullptr), 2);
    EXPECT_TRUE(report.run.stopped);
    EXPECT_TRUE(report.run.games.empty());
    EXPECT_EQ(report.fit.rating, std::vector<double>(7, 1500.0));
    EXPECT_EQ(sim::ReportText(report).rfind("Interrupted", 0), 0u);
}

double WinChance(double questioner, double other, double advantage) {
    return 1 / (1 + std::pow(10.0, (other - questioner - advantage) / 400));
}

TEST(RatingFit, RecoversKnownRatingsAndAdvantage) {
    const double truth[3] = {1620, 1480, 1400};
    const double advantage = 60;
    std::vector<TPairingScore> pairings;
    for (int q = 0; q < 3; ++q)
        for (int o = 0; o < 3; ++o)
            if (q != o)
                pairings.push_back({q, o, 1e6, 1e6 * WinChance(truth[q], truth[o], advantage)});
    const sim::TRatingFit fit = sim::FitRatings(3, pairings);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(fit.rating[i], truth[i], 0.5);
        EXPECT_GT(fit.ratingHalfWidth[i], 0.1);
        EXPECT_LT(fit.ratingHalfWidth[i], 2.0);
    }
    EXPECT_NEAR(fit.advantage, advantage, 0.5);

    // A clean sweep stays finite and on top.
    const sim::TRatingFit sweep = sim::FitRatings(2, {{0, 1, 10, 10}, {1, 0, 10, 0}});
    EXPECT_TRUE(std::isfinite(sweep.rating[0]));
    EXPECT_GT(sweep.rating[0], sweep.rating[1] + 200);
}

}  // namespace
}  // namespace vaeloric
