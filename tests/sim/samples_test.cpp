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
        if (!entry.is_directory()) continue;
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

// Numbers may differ in their last printed digit; everything else exactly.
void ExpectSameLines(const std::vector<std::string>& actual,
                     const std::vector<std::string>& expected, const std::string& what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (actual[i] == expected[i]) continue;
        char* endA = nullptr;
        char* endE = nullptr;
        const double a = std::strtod(actual[i].c_str(), &endA);
        const double e = std::strtod(expected[i].c_str(), &endE);
        const bool numbers = *endA == '\0' && *endE == '\0' && endA != actual[i].c_str();
        EXPECT_TRUE(numbers && std::fabs(a - e) <= 1e-5)
            << what << " line " << i + 1 << ": " << actual[i] << " / " << expected[i];
    }
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
            const std::vector<std::string> expected = Lines(ReadFile(entry.path()));
            const std::vector<std::string> actual = Lines(run.out);
            const auto section = [](const std::vector<std::string>& lines,
                                    const std::string& header) {
                return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), header) -
                                                lines.begin());
            };
            // Each abbreviated line starts some later line of ours, in order;
            // the sentence lines (before the first unit) are whole.
            std::size_t at = 0;
            const std::size_t expectedActivations = section(expected, "[activations]");
            for (std::size_t i = 0; i < expectedActivations; ++i) {
                const std::string& line = expected[i];
                while (at < actual.size() &&
                       !(line.empty() ? actual[at].empty() : actual[at].starts_with(line)))
                    ++at;
                ASSERT_LT(at, actual.size()) << square << ": '" << line << "' not found in order";
                ++at;
            }
            const std::size_t actualActivations = section(actual, "[activations]");
            ExpectSameLines(
                {actual.begin() + static_cast<long>(actualActivations), actual.end()},
                {expected.begin() + static_cast<long>(expectedActivations), expected.end()}, name);
            EXPECT_EQ(actual.size() - actualActivations, 95u);
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
