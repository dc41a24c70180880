// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "sim_test_support.h"

// The rules' tables against independent data: every set-up, every
// opponent's weights and the readings of every set-up piece.

namespace vaeloric {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

const fs::path kTables = kSimData / "tables";

// B-SQ.vae: board B, Ptah square SQ, no turn played.
TEST(TableSamples, EverySetUpOfEveryBoard) {
    int setUps = 0;
    const fs::path saved = TempPath("setup.vae");
    for (const auto& entry : fs::directory_iterator(kTables / "setups")) {
        const std::string name = entry.path().stem().string();
        const TSimRun run = RunSim({"play", "--board", name.substr(0, 1), "--ptah", name.substr(2),
                                    "--turns", "0", "--save", saved.string()});
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        ExpectSameLines(Lines(ReadFile(saved)), Lines(ReadFile(entry.path())), name);
        ++setUps;
    }
    fs::remove(saved);
    EXPECT_EQ(setUps, 240);
}

// <sample>/choose-F-opponentK.out: the scores of profile K on the sample game.
TEST(TableSamples, EveryOpponentScoresTheSampleGames) {
    int outputs = 0;
    for (const auto& folder : fs::directory_iterator(kTables / "opponents")) {
        const std::string game = (kSimData / folder.path().filename() / "game.vae").string();
        for (const auto& entry : fs::directory_iterator(folder.path())) {
            const std::string name = entry.path().stem().string();  // choose-F-opponentK
            const TSimRun run = RunSim({"choose", game, name.substr(7, 1), "--scores", "--opponent",
                                        name.substr(name.size() - 1)});
            ASSERT_EQ(run.status, 0) << name << ": " << run.err;
            EXPECT_EQ(run.out, ReadFile(entry.path())) << folder.path().filename() << "/" << name;
            ++outputs;
        }
    }
    EXPECT_EQ(outputs, 77);
}

// B-SQ-read-X.abbrev.txt: the reading of the set-up piece on X.
TEST(TableSamples, ReadingsOfTheSetUpPieces) {
    int reads = 0;
    for (const auto& entry : fs::directory_iterator(kTables / "readings")) {
        const std::string name = entry.path().filename().string();
        const std::string setUp = name.substr(0, name.find("-read-"));
        const std::string square = name.substr(setUp.size() + 6, 2);
        const TSimRun run =
            RunSim({"read", (kTables / "setups" / (setUp + ".vae")).string(), square});
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        ExpectSameReading(run.out, ReadFile(entry.path()), name);
        ++reads;
    }
    EXPECT_EQ(reads, 96);
}

}  // namespace
}  // namespace vaeloric
