// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/safe_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <thread>

#include "saved_game_support.h"
#include "tests/support/special_files.h"

namespace vaeloric {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t TypeOf(const fs::path& path) {
    struct stat info {};
    lstat(path.c_str(), &info);
    return info.st_mode & S_IFMT;
}

using test::kSpecialFiles;
using test::TSpecialFile;

TEST(SafeFile, SpecialFilesAreNeitherReplacedNorRead) {
    alarm(30);  // a blocking open ends the test
    const fs::path folder = FreshTempFolder("vaeloric-safe-special");
    const TGame game = MidGame('W');
    for (const TSpecialFile& special : kSpecialFiles) {
        const fs::path node = folder / "node";
        fs::remove_all(node);
        if (!special.make(node)) {
            std::printf("%s: cannot be made here, skipped\n", special.kind);
            continue;
        }
        const mode_t type = TypeOf(node);
        fs::create_symlink("node", folder / "link");
        for (const fs::path& path : {node, folder / "link"}) {
            EXPECT_EQ(WriteFileSafely(path, "new"), TFileOutcome::NotRegular) << special.kind;
            EXPECT_EQ(CheckWriteTarget(path), TFileOutcome::NotRegular) << special.kind;
            std::string bytes = "old";
            EXPECT_EQ(ReadFileSafely(path, 100, bytes), TFileOutcome::NotRegular) << special.kind;
            EXPECT_EQ(bytes, "");
            // The board programs show their own failure messages.
            EXPECT_EQ(
                WriteSavedGame(path, 'W', game.board, game.setUp, game.turn, game.reading).message,
                "File could not be saved");
            TGame live;
            EXPECT_EQ(
                LoadSavedGame(path, 'W', live.board, live.setUp, live.turn, live.reading).message,
                "File could not be opened");
        }
        EXPECT_EQ(TypeOf(node), type) << special.kind;
        EXPECT_EQ(Names(folder), (std::vector<std::string>{"link", "node"})) << special.kind;
        fs::remove(folder / "link");
    }
    alarm(0);
    fs::remove_all(folder);
}

TEST(SafeFile, LinksAreFollowedAndTheFileKeepsItsBits) {
    const fs::path folder = FreshTempFolder("vaeloric-safe-link");
    fs::create_directories(folder / "games");
    fs::create_directories(folder / "desk");
    const fs::path real = folder / "games" / "game.vae";
    WriteWholeFile(real, "old");
    chmod(real.c_str(), 0640);
    // A relative link in another folder, and a link to that link.
    fs::create_symlink("../games/game.vae", folder / "desk" / "game.vae");
    fs::create_symlink("desk/game.vae", folder / "top.vae");

    ASSERT_EQ(WriteFileSafely((folder / "top.vae").string(), "new"), TFileOutcome::Done);
    EXPECT_EQ(ReadWholeFile(real), "new");
    EXPECT_TRUE(fs::is_symlink(folder / "top.vae"));
    EXPECT_TRUE(fs::is_symlink(folder / "desk" / "game.vae"));
    struct stat info {};
    stat(real.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(Names(folder / "games"), std::vector<std::string>{"game.vae"});
    EXPECT_EQ(Names(folder / "desk"), std::vector<std::string>{"game.vae"});

    // A link to a file still to be made makes it where the link points.
    fs::create_symlink("games/later.vae", folder / "later.vae");
    ASSERT_EQ(WriteFileSafely((folder / "later.vae").string(), "made"), TFileOutcome::Done);
    EXPECT_EQ(ReadWholeFile(folder / "games" / "later.vae"), "made");
    EXPECT_TRUE(fs::is_symlink(folder / "later.vae"));

    std::string bytes;
    EXPECT_EQ(ReadFileSafely((folder / "top.vae").string(), 2, bytes), TFileOutcome::Done);
    EXPECT_EQ(bytes, "ne");  // cut at the limit
    fs::create_symlink("loop", folder / "loop");
    EXPECT_EQ(WriteFileSafely((folder / "loop").string(), "x"), TFileOutcome::Failed);
    fs::remove_all(folder);
}

// Runs `write` in a child process and returns its exit status, or -1 when
// it was killed.
int InChild(const std::function<int()>& write, std::chrono::microseconds killAfter = {}) {
    const pid_t child = fork();
    if (child == 0) _exit(write());
    if (killAfter.count() > 0) {
        std::this_thread::sleep_for(killAfter);
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SafeFile, FailedOrKilledWritesLeaveTheOldFileAndNoTemporaryOneForLong) {
    const fs::path folder = FreshTempFolder("vaeloric-safe-kill");
    const std::string path = (folder / "game.vae").string();
    WriteWholeFile(path, "old");
    const std::string large(8 << 20, 'n');

    // A disk that fills up during the write.
    const int full = InChild([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        return WriteFileSafely(path, large) == TFileOutcome::Failed ? 0 : 1;
    });
    EXPECT_EQ(full, 0);
    EXPECT_EQ(ReadWholeFile(path), "old");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"game.vae"});

    // Killed at moments through the write: the old file or the whole new one.
    for (int moment = 0; moment < 12; ++moment) {
        const int status = InChild([&] { return SafeWriteFile(path, large) ? 0 : 1; },
                                   std::chrono::microseconds(500 + moment * 2500));
        const std::string now = ReadWholeFile(path);
        EXPECT_TRUE(now == "old" || now == large) << moment << ": " << now.size() << " bytes";
        if (status == 0 || now == large) WriteWholeFile(path, "old");
    }
    std::printf("killed writes left %zu temporary files\n", Names(folder).size() - 1);
    // A stale file of ours never blocks the next write, which clears it; a
    // file of a running writer (process 1) is left alone.
    WriteWholeFile(folder / "game.vae.tmp-1-2-3", "running");
    ASSERT_TRUE(SafeWriteFile(path, "new"));
    EXPECT_EQ(ReadWholeFile(path), "new");
    EXPECT_EQ(Names(folder), (std::vector<std::string>{"game.vae", "game.vae.tmp-1-2-3"}));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace vaeloric
