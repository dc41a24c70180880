// SPDX-License-Identifier: GPL-3.0-or-later

// Which interrupted game a board program started with "*" offers.
#include "window/running_game_lock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "flow/running_game.h"

namespace vaeloric::testing {
namespace {

namespace fs = std::filesystem;

TEST(RunningGameLocks, TheNewestInterruptedGameIsOfferedUnlessItWasHosted) {
    const fs::path state = fs::temp_directory_path() / "vaeloric-lock-test";
    fs::remove_all(state);
    const char* saved = std::getenv("XDG_STATE_HOME");
    const std::string savedValue = saved != nullptr ? saved : "";
    setenv("XDG_STATE_HOME", state.c_str(), 1);
    const fs::path running = RunningGamesFolder();
    fs::create_directories(running);
    const auto now = fs::file_time_type::clock::now();
    const auto write = [&](const char* name, std::chrono::minutes age) {
        std::ofstream(running / name) << "x";
        fs::last_write_time(running / name, now - age);
    };
    write("W-100.vae", std::chrono::minutes(30));
    write("W-200.vae", std::chrono::minutes(20));
    write("E-300.vae", std::chrono::minutes(10));  // another board's

    const auto offered = [] {
        TGameSession game;
        game.boardLetter = 'W';
        game.mode = TStartMode::Reload;
        TRunningGameLocks locks(game);
        return fs::path(game.interruptedPath).filename().string();
    };
    EXPECT_EQ(offered(), "W-200.vae");
    write("W-200.host", std::chrono::minutes(20));  // hosted: the launcher's to continue
    EXPECT_EQ(offered(), "W-100.vae");

    if (saved != nullptr)
        setenv("XDG_STATE_HOME", savedValue.c_str(), 1);
    else
        unsetenv("XDG_STATE_HOME");
    fs::remove_all(state);
}

}  // namespace
}  // namespace vaeloric::testing
