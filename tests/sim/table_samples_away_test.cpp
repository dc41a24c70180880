// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <set>

#include "sim_test_support.h"

// The table cells that start positions never reach: pieces read away from
// their home quarter, and the checkmate weight of every opponent.

namespace vaeloric {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

const fs::path kTables = kSimData / "tables";

// B-SQ-FROM-TO.vae with B-SQ-FROM-TO-read.abbrev.txt: the set-up piece on
// FROM moved to TO, read on TO.
TEST(TableSamplesAway, ReadingsOfPiecesMovedIntoEveryQuarter) {
    int reads = 0;
    std::set<std::string> boards;
    for (const auto& entry : fs::directory_iterator(kTables / "readings-away")) {
        const std::string name = entry.path().filename().string();
        const std::string suffix = "-read.abbrev.txt";
        if (!name.ends_with(suffix)) continue;
        const std::string stem = name.substr(0, name.size() - suffix.size());  // B-SQ-FROM-TO
        const std::string square = stem.substr(stem.size() - 2);
        const TSimRun run =
            RunSim({"read", (kTables / "readings-away" / (stem + ".vae")).string(), square});
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        ExpectSameReading(run.out, ReadFile(entry.path()), name);
        boards.insert(stem.substr(0, 1));
        ++reads;
    }
    EXPECT_EQ(reads, 512);
    EXPECT_EQ(boards.size(), 4u);
}

// B-seedN-turnT-faceF-opponentK.out: the scores of profile K before a move
// that checkmates an army.
TEST(TableSamplesAway, EveryOpponentScoresTheCheckmatingMoves) {
    int outputs = 0;
    std::set<std::string> profiles;
    for (const auto& entry : fs::directory_iterator(kTables / "mates")) {
        const std::string name = entry.path().stem().string();
        if (entry.path().extension() != ".out") continue;
        const std::string position = name.substr(0, name.find("-opponent"));
        const std::string face = position.substr(position.size() - 1);
        const std::string profile = name.substr(name.size() - 1);
        const TSimRun run = RunSim({"choose", (kTables / "mates" / (position + ".vae")).string(),
                                    face, "--scores", "--opponent", profile});
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.out, ReadFile(entry.path())) << name;
        profiles.insert(profile);
        ++outputs;
    }
    EXPECT_EQ(outputs, 24 * 7);
    EXPECT_EQ(profiles.size(), 7u);
}

}  // namespace
}  // namespace vaeloric
