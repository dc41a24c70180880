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

#include "flow/analysis_file.h"
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

TFileOutcome Expected(test::TTargetRefusal refusal) {
    switch (refusal) {
        case test::TTargetRefusal::NotRegular:
            return TFileOutcome::NotRegular;
        case test::TTargetRefusal::ReadOnly:
            return TFileOutcome::ReadOnly;
        case test::TTargetRefusal::UnsafeLink:
            return TFileOutcome::UnsafeLink;
        case test::TTargetRefusal::Failed:
            break;
    }
    return TFileOutcome::Failed;
}

// The board programs' writers and the safe writer itself, against every
// target of the shared list: nothing replaced, the refusal named.
TEST(SafeFile, EveryWriterRefusesEveryTargetOfTheSharedList) {
    const fs::path base = FreshTempFolder("vaeloric-safe-targets");
    const TGame game = MidGame('W');
    test::ForEachWriteTarget(base, [&](const test::TWriteTarget& target, const fs::path& path) {
        const TFileOutcome expected = Expected(target.refusal);
        EXPECT_EQ(WriteFileSafely(path, "new"), expected) << target.kind;
        EXPECT_EQ(WriteFileSafely(path, "new", TWriteOptions{}), expected) << target.kind;
        if (!target.fullDisk && target.refusal != test::TTargetRefusal::Failed)
            EXPECT_EQ(CheckWriteTarget(path), expected) << target.kind;
        // A saved game: the sentence for a file kept on purpose, else the
        // board programs' own message.
        const TSaveResult saved =
            WriteSavedGame(path, 'W', game.board, game.setUp, game.turn, game.reading);
        EXPECT_FALSE(saved.saved) << target.kind;
        const bool named =
            expected == TFileOutcome::ReadOnly || expected == TFileOutcome::UnsafeLink;
        EXPECT_EQ(saved.message,
                  named ? WriteProblemSentence(path, expected) : "File could not be saved")
            << target.kind;
        // The analysis file at a path of the user's (no folders made).
        EXPECT_EQ(WriteGameAnswer(game.setUp, game.reading, true, false, path, false),
                  TAnalysisWrite::Failed)
            << target.kind;
        EXPECT_EQ(WriteUnfinishedGame(game.reading, false, path, false), TAnalysisWrite::Failed)
            << target.kind;
    });
    fs::remove_all(base);
}

TEST(SafeFile, ReadOnlyFilesAreReplacedOnlyWhenTheUserAgreed) {
    const fs::path folder = FreshTempFolder("vaeloric-safe-read-only");
    const fs::path path = folder / "game.vae";
    WriteWholeFile(path, "old");
    chmod(path.c_str(), 0444);
    EXPECT_EQ(WriteFileSafely(path, "new"), TFileOutcome::ReadOnly);
    EXPECT_EQ(WriteProblemSentence(path, TFileOutcome::ReadOnly),
              "'" + path.string() + "' is read-only; nothing was written.");
    TWriteOptions agreed;
    agreed.replaceReadOnly = true;
    ASSERT_EQ(WriteFileSafely(path, "new", agreed), TFileOutcome::Done);
    EXPECT_EQ(ReadWholeFile(path), "new");
    struct stat info {};
    stat(path.c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0444u);  // still read-only
    // A file others may write to but the owner may not is read-only too.
    chmod(path.c_str(), 0466);
    if (geteuid() != 0) EXPECT_EQ(WriteFileSafely(path, "x"), TFileOutcome::ReadOnly);
    fs::remove_all(folder);
}

// The kernel's rule for shared folders, kept by the writer: a link there is
// followed when it is the user's or the folder owner's.
TEST(SafeFile, LinksInStickySharedFoldersAreFollowedOnlyWhenTrusted) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to plant another user's link";
    const fs::path folder = FreshTempFolder("vaeloric-safe-sticky");
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    chown(shared.c_str(), 4242, 4242);
    chmod(shared.c_str(), 01777);
    WriteWholeFile(folder / "private", "secret");
    struct TCase {
        unsigned linkOwner;
        mode_t folderBits;
        TFileOutcome expected;
    };
    const TCase cases[] = {
        {4343, 01777, TFileOutcome::UnsafeLink},  // a stranger's link in /tmp
        {4242, 01777, TFileOutcome::Done},        // the folder owner's
        {0, 01777, TFileOutcome::Done},           // the user's own
        {4343, 00777, TFileOutcome::Done},        // not sticky
        {4343, 01775, TFileOutcome::Done},        // not writable by all
    };
    for (const TCase& c : cases) {
        chmod(shared.c_str(), c.folderBits);
        fs::remove(shared / "game.vae");
        fs::create_symlink(folder / "private", shared / "game.vae");
        lchown((shared / "game.vae").c_str(), c.linkOwner, c.linkOwner);
        EXPECT_EQ(WriteFileSafely(shared / "game.vae", "new"), c.expected) << c.linkOwner;
        EXPECT_EQ(ReadWholeFile(folder / "private"),
                  c.expected == TFileOutcome::Done ? "new" : "secret");
        WriteWholeFile(folder / "private", "secret");
    }
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
