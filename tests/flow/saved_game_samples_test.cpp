// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>

#include "flow/saved_game.h"
#include "saved_game_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// The saved games written by an independent program: each must load and
// come out again byte for byte.
std::vector<fs::path> SampleGames() {
    std::vector<fs::path> games;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(VAELORIC_SAMPLES_DIR, error))
        if (fs::exists(entry.path() / "game.vae")) games.push_back(entry.path() / "game.vae");
    std::sort(games.begin(), games.end());
    return games;
}

TEST(SavedGameSamples, LoadAndWriteBackByteForByte) {
    const std::vector<fs::path> games = SampleGames();
    if (games.empty()) GTEST_SKIP() << "no sample games beside the sources";
    for (const fs::path& path : games) {
        const std::string bytes = ReadWholeFile(path.string());
        TGame game;
        const TLoadResult result = LoadSavedGame(path.string(), kAnyBoard, game.board, game.setUp,
                                                 game.turn, game.reading);
        ASSERT_TRUE(result.Loaded()) << path << ": " << result.message;
        EXPECT_TRUE(result.activationsRestored);
        const char letter = game.setUp.boardLetter;
        EXPECT_EQ(Format(game, letter), bytes) << path;

        // The board program of its letter takes it; the three others refuse it.
        for (char program : {'W', 'A', 'E', 'F'}) {
            TSavedGame parsed;
            const TLoadOutcome outcome = ParseSavedGame(bytes, program, parsed).outcome;
            EXPECT_EQ(outcome, program == letter ? TLoadOutcome::Loaded : TLoadOutcome::WrongBoard)
                << path << " in " << program;
        }
    }
}

}  // namespace
}  // namespace vaeloric
