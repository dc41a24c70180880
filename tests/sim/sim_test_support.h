// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "sim/sim.h"

namespace vaeloric::testing_support {

inline const std::filesystem::path kSimData =
    std::filesystem::path(VAELORIC_SOURCE_DIR) / "tests/samples";

struct TSimRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline TSimRun RunSim(std::vector<std::string> args) {
    args.insert(args.begin(), "vaeloric-sim");
    std::vector<const char*> argv;
    for (const std::string& arg : args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    TSimRun run;
    run.status = vaeloric::sim::Run(static_cast<int>(argv.size()), argv.data(), out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Numbers may differ in their last printed digit; everything else exactly.
inline void ExpectSameLines(const std::vector<std::string>& actual,
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

// Line for line, before the activations: the same count of non-empty lines,
// each of ours starting with the sample's (a unit text is abbreviated to its
// first words, a sentence is whole). A sentence added where the sample has
// none shows here.
inline void ExpectLineForLine(const std::string& output, const std::string& sample,
                              const std::string& what) {
    const auto text = [](const std::string& all) {
        std::vector<std::string> lines;
        for (const std::string& line : Lines(all)) {
            if (line == "[activations]") break;
            if (!line.empty()) lines.push_back(line);
        }
        return lines;
    };
    const std::vector<std::string> actual = text(output), expected = text(sample);
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(actual[i].starts_with(expected[i]))
            << what << ": '" << actual[i] << "' for '" << expected[i] << "'";
}

// A read output against its abbreviated sample: each abbreviated line starts
// some later line of ours, in order, and line for line; then the 94
// activations.
inline void ExpectSameReading(const std::string& output, const std::string& sample,
                              const std::string& what) {
    ExpectLineForLine(output, sample, what);
    const std::vector<std::string> expected = Lines(sample);
    const std::vector<std::string> actual = Lines(output);
    const auto section = [](const std::vector<std::string>& lines, const std::string& header) {
        return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), header) -
                                        lines.begin());
    };
    std::size_t at = 0;
    const std::size_t expectedActivations = section(expected, "[activations]");
    for (std::size_t i = 0; i < expectedActivations; ++i) {
        const std::string& line = expected[i];
        while (at < actual.size() &&
               !(line.empty() ? actual[at].empty() : actual[at].starts_with(line)))
            ++at;
        ASSERT_LT(at, actual.size()) << what << ": '" << line << "' not found in order";
        ++at;
    }
    const std::size_t actualActivations = section(actual, "[activations]");
    ExpectSameLines({actual.begin() + static_cast<long>(actualActivations), actual.end()},
                    {expected.begin() + static_cast<long>(expectedActivations), expected.end()},
                    what);
    EXPECT_EQ(actual.size() - actualActivations, 95u) << what;
}

// A file in the folder of this test process alone: tests running side by
// side (and safe writes sweeping their temporaries) never touch each other's
// files. The folder goes when the process ends.
inline std::filesystem::path TempPath(const std::string& name) {
    struct TOwnFolder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() /
            ("vaeloric-sim-test-" + std::to_string(std::random_device{}()));
        TOwnFolder() {
            std::filesystem::remove_all(path);
            std::filesystem::create_directories(path);
        }
        ~TOwnFolder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    };
    static const TOwnFolder folder;
    return folder.path / name;
}

}  // namespace vaeloric::testing_support
