// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>

#include "sim_test_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct TSample {
    std::string folder;
    std::string board, ptah, seed, turns;
};

std::vector<TSample> Samples() {
    std::vector<TSample> samples;
    for (const auto& entry : fs::directory_iterator(kSimData)) {
        if (!entry.is_directory() || !entry.path().filename().string().starts_with("board-"))
            continue;
        // board-<letter>-<ptah>-seed<N>-limit<T>
        const std::string name = entry.path().filename().string();
        std::vector<std::string> parts;
        std::stringstream in(name);
        for (std::string part; std::getline(in, part, '-');) parts.push_back(part);
        samples.push_back(
            {entry.path().string(), parts[1], parts[2], parts[3].substr(4), parts[4].substr(5)});
    }
    return samples;
}

TEST(SimSamples, PlayAndSaveMatch) {
    const auto samples = Samples();
    ASSERT_EQ(samples.size(), 3u);
    for (const TSample& sample : samples) {
        const fs::path saved = TempPath("sample.vae");
        const TSimRun run =
            RunSim({"play", "--board", sample.board, "--ptah", sample.ptah, "--seed", sample.seed,
                    "--turns", sample.turns, "--save", saved.string()});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, ReadFile(fs::path(sample.folder) / "play.out")) << sample.folder;
        const std::string written = ReadFile(saved);
        EXPECT_NE(written.find("\r\n"), std::string::npos);
        ExpectSameLines(Lines(written), Lines(ReadFile(fs::path(sample.folder) / "game.vae")),
                        sample.folder);
        fs::remove(saved);
    }
}

TEST(SimSamples, LegalChooseAndStatusMatch) {
    for (const TSample& sample : Samples()) {
        const std::string game = (fs::path(sample.folder) / "game.vae").string();
        int compared = 0;
        for (const auto& entry : fs::directory_iterator(sample.folder)) {
            const std::string name = entry.path().filename().string();
            std::vector<std::string> args;
            if (name.starts_with("legal-")) {
                args = {"legal", game, name.substr(6, 1)};
            } else if (name.starts_with("choose-")) {
                args = {"choose", game, name.substr(7, 1), "--scores"};
                if (name.find("opponent5") != std::string::npos)
                    args.insert(args.end(), {"--opponent", "5"});
            } else if (name == "status.out") {
                args = {"status", game};
            } else {
                continue;
            }
            const TSimRun run = RunSim(args);
            EXPECT_EQ(run.status, 0) << name << ": " << run.err;
            EXPECT_EQ(run.out, ReadFile(entry.path())) << sample.folder << "/" << name;
            ++compared;
        }
        EXPECT_GE(compared, 9) << sample.folder;
    }
}

// The sample read outputs keep only the first words of each unit text.
TEST(SimSamples, ReadMatchesTheAbbreviatedSample) {
    int reads = 0;
    for (const TSample& sample : Samples()) {
        for (const auto& entry : fs::directory_iterator(sample.folder)) {
            const std::string name = entry.path().filename().string();
            if (!name.starts_with("read-")) continue;
            const std::string square = name.substr(5, 2);
            ++reads;
            const TSimRun run =
                RunSim({"read", (fs::path(sample.folder) / "game.vae").string(), square});
            ASSERT_EQ(run.status, 0) << run.err;
            ExpectSameReading(run.out, ReadFile(entry.path()), name);
        }
    }
    EXPECT_EQ(reads, 3);
}

TEST(SimSamples, BenchSignatures) {
    const TSimRun shortRun = RunSim({"bench", "--games", "2", "--turns", "30"});
    ASSERT_EQ(shortRun.status, 0);
    EXPECT_EQ(Lines(shortRun.out).at(0),
              Lines(ReadFile(kSimData / "bench-games2-turns30.txt")).at(0));
    // The default benchmark: any change to a computer choice changes it.
    const TSimRun full = RunSim({"bench"});
    ASSERT_EQ(full.status, 0);
    EXPECT_EQ(Lines(full.out).at(0), "signature 3630 83e0a7bdd7ae4b2d");
    EXPECT_TRUE(Lines(full.out).at(1).starts_with("time "));
}

}  // namespace
}  // namespace vaeloric
