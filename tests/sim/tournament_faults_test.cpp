// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <regex>
#include <thread>

#include "sim/tournament/statistics.h"
#include "sim_test_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;

TEST(TournamentHelp, PrintsItsOptionsAndSucceeds) {
    for (const char* flag : {"--help", "-h"}) {
        const TSimRun run = RunSim({"tournament", flag});
        EXPECT_EQ(run.status, 0) << flag << ": " << run.err;
        EXPECT_EQ(run.err, "");
        for (const char* option :
             {"--profiles", "--boards", "--games", "--turns", "--seed", "--threads", "--csv"})
            EXPECT_NE(run.out.find(option), std::string::npos) << flag << " " << option;
    }
    // Anywhere else it is still an unknown option: a run is not half-parsed.
    const TSimRun mixed = RunSim({"tournament", "--games", "1", "--help"});
    EXPECT_EQ(mixed.status, 2);
    EXPECT_EQ(mixed.out, "");
}

bool HandlerInstalled(int signal) {
    struct sigaction current {};
    sigaction(signal, nullptr, &current);
    return current.sa_handler != SIG_DFL && current.sa_handler != SIG_IGN;
}

// The signal is sent to the whole process once the tournament has put its
// handler in place, exactly as `kill` or `timeout` would send it.
TSimRun RunStoppedBy(int signal, const std::string& csvPath) {
    const struct sigaction before = [&] {
        struct sigaction saved {};
        sigaction(signal, nullptr, &saved);
        return saved;
    }();
    std::thread sender([signal] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!HandlerInstalled(signal) && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (HandlerInstalled(signal)) kill(getpid(), signal);
    });
    const TSimRun run = RunSim(
        {"tournament", "--games", "1000", "--turns", "400", "--threads", "1", "--csv", csvPath});
    sender.join();
    // The previous disposition is back.
    struct sigaction after {};
    sigaction(signal, nullptr, &after);
    EXPECT_EQ(after.sa_handler, before.sa_handler);
    return run;
}

TEST(TournamentStop, SigtermAndCtrlCReportAndWriteWhatWasPlayed) {
    // SIGINT's default action would end the test program too, so the test
    // keeps a handler of its own in place around the run.
    for (const auto& [signal, status] : {std::pair{SIGTERM, 143}, std::pair{SIGINT, 130}}) {
        const auto path = TempPath("stopped-" + std::to_string(signal) + ".csv");
        const TSimRun run = RunStoppedBy(signal, path.string());
        EXPECT_EQ(run.status, status) << run.err;
        EXPECT_EQ(run.out.rfind("Interrupted", 0), 0u) << run.out;
        EXPECT_NE(run.out.find("Rating"), std::string::npos);
        const std::string csv = ReadFile(path);
        EXPECT_EQ(csv.rfind("game,round,board", 0), 0u) << "the CSV file was not written";
        std::filesystem::remove(path);
    }
}

TEST(WilsonInterval, KnownValuesAndEdges) {
    struct Case {
        double successes, trials, low, high;
    };
    // Reference values of the 95 % Wilson score interval (z = 1.959964).
    const Case cases[] = {
        {0, 0, 0, 1},          {5, 10, 0.2366, 0.7634},   {0, 10, 0.0, 0.2775},
        {10, 10, 0.7225, 1.0}, {42, 100, 0.3280, 0.5179},
    };
    for (const Case& c : cases) {
        const sim::TInterval interval = sim::WilsonInterval(c.successes, c.trials);
        EXPECT_NEAR(interval.low, c.low, 5e-4) << c.successes << "/" << c.trials;
        EXPECT_NEAR(interval.high, c.high, 5e-4) << c.successes << "/" << c.trials;
    }
}

// Every CSV row replays with `play` to the result it records; the JSON file
// agrees with the CSV rows and the chart names every profile.
TEST(TournamentFiles, CsvRowsReplayAndJsonAndChartAgree) {
    const auto csvPath = TempPath("files.csv");
    const auto jsonPath = TempPath("files.json");
    const auto svgPath = TempPath("files.svg");
    const TSimRun run =
        RunSim({"tournament", "--profiles", "35", "--boards", "AE", "--games", "2", "--turns",
                "150", "--seed", "11", "--threads", "2", "--csv", csvPath.string(), "--json",
                jsonPath.string(), "--svg", svgPath.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = Lines(ReadFile(csvPath));
    ASSERT_EQ(rows.size(), 1u + 2 * 2 * 2);
    long wins = 0, losses = 0, unfinished = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        std::vector<std::string> f;
        std::stringstream in(rows[i]);
        for (std::string field; std::getline(in, field, ',');) f.push_back(field);
        ASSERT_EQ(f.size(), 10u) << rows[i];  // the last field names the run
        const std::string q = f[4], o = f[5];
        const char* letters = "hforciaq";
        const std::string seats{letters[std::stoi(o) - 1], letters[std::stoi(q) - 1],
                                letters[std::stoi(o) - 1]};
        const TSimRun replay = RunSim({"play", "--board", f[2], "--ptah", f[3], "--seats", seats,
                                       "--questioner", q, "--seed", f[6], "--turns", "150"});
        ASSERT_EQ(replay.status, 0) << replay.err;
        EXPECT_NE(replay.out.find("result: " + f[8]), std::string::npos) << rows[i];
        // The same game: as many turns as the row says, then its result.
        EXPECT_EQ(static_cast<long>(Lines(replay.out).size()) - 1, std::stol(f[7])) << rows[i];
        wins += f[8] == "win";
        losses += f[8] == "lose";
        unfinished += f[8] == "unfinished";
    }
    const std::string json = ReadFile(jsonPath);
    const auto count = [&](const char* word) {
        const std::regex pattern(std::string("\"") + word + "\"\\]");
        return static_cast<long>(std::distance(
            std::sregex_iterator(json.begin(), json.end(), pattern), std::sregex_iterator()));
    };
    EXPECT_EQ(count("win"), wins);
    EXPECT_EQ(count("lose"), losses);
    EXPECT_EQ(count("unfinished"), unfinished);
    EXPECT_NE(json.find("\"games_played\": " + std::to_string(rows.size() - 1)), std::string::npos);
    const std::string svg = ReadFile(svgPath);
    EXPECT_EQ(svg.rfind("<svg", 0) == 0 || svg.rfind("<?xml", 0) == 0, true);
    EXPECT_NE(svg.find("Osric Vane"), std::string::npos);
    EXPECT_NE(svg.find("Lachlan Corvey"), std::string::npos);
    for (const auto& path : {csvPath, jsonPath, svgPath}) std::filesystem::remove(path);
}

// The manual page names every sub-command and every exit status the usage
// gives.
TEST(ManualPage, CoversEverySubCommandAndExitStatus) {
    const std::string page =
        ReadFile(std::filesystem::path(VAELORIC_SOURCE_DIR) / "packaging/man/vaeloric-sim.6");
    ASSERT_FALSE(page.empty());
    for (const char* command :
         {"legal", "choose", "status", "read", "play", "bench", "tournament", "engine"})
        EXPECT_NE(page.find(std::string(".B vaeloric\\-sim ") + command), std::string::npos)
            << command;
    const std::string usage = RunSim({"--help"}).out;
    const std::string status = page.substr(page.find(".SH EXIT STATUS"));
    for (const char* code : {"0", "1", "2", "3", "130", "143"}) {
        EXPECT_NE(status.find(code), std::string::npos) << code;
        if (std::string(code) != "1") EXPECT_NE(usage.find(code), std::string::npos) << code;
    }
}

}  // namespace
}  // namespace vaeloric
