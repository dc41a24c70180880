// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "sim_test_support.h"
#include "tests/support/special_files.h"

namespace vaeloric {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

fs::path FreshFolder(const std::string& name) {
    const fs::path folder = TempPath(name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::size_t Entries(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(SimUsage, HelpGoesToStandardOutputWithEveryLimit) {
    for (const char* ask : {"help", "--help", "-h"}) {
        const TSimRun run = RunSim({ask});
        EXPECT_EQ(run.status, 0) << ask;
        EXPECT_EQ(run.err, "") << ask;
        EXPECT_EQ(run.out.rfind("Usage: vaeloric-sim", 0), 0u) << ask;
        for (const char* limit : {"(1 to 6)", "(2 to 9, 9 the Seer)", "0 to 100000000",
                                  "0 to 2147483646", "1 to 1000000", "1048576 bytes"})
            EXPECT_NE(run.out.find(limit), std::string::npos) << limit;
    }
}

TEST(SimFiles, SpecialFilesAreRefusedInOneSentence) {
    alarm(30);  // a blocking open ends the test
    const fs::path folder = FreshFolder("special");
    const fs::path node = folder / "node";
    for (const test::TSpecialFile& special : test::kSpecialFiles) {
        const char* kind = special.kind;
        fs::remove_all(node);
        if (!special.make(node)) continue;  // no device node without root
        const std::vector<std::vector<std::string>> runs = {
            {"play", "--turns", "1", "--save", node.string()},
            {"play", "--turns", "1", "--analysis", node.string()},
            {"tournament", "--games", "1", "--json", node.string()},
            {"status", node.string()},
            {"legal", node.string(), "1"},
        };
        for (const auto& args : runs) {
            const TSimRun run = RunSim(args);
            EXPECT_EQ(run.status, 2) << kind << " " << args[0];
            EXPECT_EQ(run.out, "") << kind;
            std::string sentence = "'";
            sentence += node.string();
            sentence += "' is not a regular file; nothing was ";
            sentence += args[0] == "legal" || args[0] == "status" ? "read.\n" : "written.\n";
            EXPECT_EQ(run.err, sentence) << kind;
        }
        EXPECT_FALSE(fs::is_regular_file(node)) << kind;
        EXPECT_EQ(Entries(folder), 1u) << kind;
    }
    alarm(0);
    fs::remove_all(folder);
}

TEST(SimFiles, NoTurnsSavesTheStartThroughALink) {
    const fs::path folder = FreshFolder("start");
    fs::create_directories(folder / "games");
    fs::create_symlink("games/start.vae", folder / "link.vae");
    const std::string link = (folder / "link.vae").string();
    const TSimRun run = RunSim({"play", "--turns", "0", "--save", link});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "result: unfinished\n");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(RunSim({"status", (folder / "games" / "start.vae").string()}).out,
              "red check=0 king=H1 ptah-distance=7\n"
              "black check=0 king=A1 ptah-distance=1\n"
              "yellow check=0 king=A8 ptah-distance=6\n"
              "blue check=0 king=H8 ptah-distance=7\n");
    fs::remove_all(folder);
}

// SIGKILL at moments through a whole `play --save` over a valid saved game:
// the file is always the old one or the whole new one.
TEST(SimFiles, KilledSavesLeaveTheOldOrTheNewGame) {
    const fs::path folder = FreshFolder("kill");
    const std::string path = (folder / "game.vae").string();
    const std::vector<std::string> save = {"play", "--turns", "2000", "--seed",
                                           "7",    "--save",  path};
    ASSERT_EQ(RunSim({"play", "--turns", "0", "--save", path}).status, 0);
    const std::string before = ReadFile(path);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunSim(save).status, 0);
    const auto whole = std::chrono::steady_clock::now() - start;
    const std::string after = ReadFile(path);
    ASSERT_NE(after, before);

    constexpr int kMoments = 12;
    int finished = 0;
    for (int moment = 1; moment <= kMoments; ++moment) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << before;
        const pid_t child = fork();
        if (child == 0) _exit(RunSim(save).status);
        std::this_thread::sleep_for(whole * moment * 5 / (4 * kMoments));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        if (WIFEXITED(status)) ++finished;
        const std::string now = ReadFile(path);
        EXPECT_TRUE(now == before || now == after) << moment << ": " << now.size() << " bytes";
    }
    std::printf("%d of %d saves finished before the kill\n", finished, kMoments);
    ASSERT_EQ(RunSim(save).status, 0);
    EXPECT_EQ(ReadFile(path), after);
    EXPECT_EQ(Entries(folder), 1u);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace vaeloric
