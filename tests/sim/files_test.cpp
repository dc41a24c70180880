// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "flow/safe_file.h"
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
            {"play", "--turns", "1", "--record", node.string()},
            {"replay", node.string()},
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
            sentence += args[0] == "legal" || args[0] == "status" || args[0] == "replay"
                            ? "read.\n"
                            : "written.\n";
            EXPECT_EQ(run.err, sentence) << kind;
        }
        EXPECT_FALSE(fs::is_regular_file(node)) << kind;
        EXPECT_EQ(Entries(folder), 1u) << kind;
    }
    alarm(0);
    fs::remove_all(folder);
}

// Every writer against every target of the shared list: status 2, one
// sentence, nothing on standard output and nothing replaced.
TEST(SimFiles, EveryWriterRefusesEveryTargetOfTheSharedList) {
    const fs::path base = FreshFolder("targets");
    const fs::path source = FreshFolder("targets-record");
    const std::string record = (source / "game.vrec").string();
    ASSERT_EQ(RunSim({"play", "--turns", "3", "--record", record}).status, 0);
    const std::vector<std::string> play = {"play", "--turns", "2", "--seed", "3"};
    const std::vector<std::string> replay = {"replay", record};
    const std::vector<std::string> tournament = {"tournament", "--games",   "1", "--turns",
                                                 "4",          "--threads", "1"};
    const std::pair<std::vector<std::string>, const char*> writers[] = {
        {play, "--save"},      {play, "--analysis"},   {play, "--record"},    {replay, "--save"},
        {tournament, "--csv"}, {tournament, "--json"}, {tournament, "--svg"},
    };
    test::ForEachWriteTarget(base, [&](const test::TWriteTarget& target, const fs::path& path) {
        for (const auto& [command, option] : writers) {
            std::vector<std::string> args = command;
            args.insert(args.end(), {option, path.string()});
            const TSimRun run = RunSim(args);
            EXPECT_EQ(run.status, 2) << target.kind << " " << option;
            EXPECT_EQ(run.out, "") << target.kind << " " << option;
            if (target.refusal == test::TTargetRefusal::Failed) {
                EXPECT_NE(run.err.find("'" + path.string() + "'"), std::string::npos)
                    << target.kind << " " << option;
                EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            } else {
                const TFileOutcome outcome =
                    target.refusal == test::TTargetRefusal::ReadOnly     ? TFileOutcome::ReadOnly
                    : target.refusal == test::TTargetRefusal::NotRegular ? TFileOutcome::NotRegular
                                                                         : TFileOutcome::UnsafeLink;
                EXPECT_EQ(run.err, WriteProblemSentence(path, outcome) + "\n")
                    << target.kind << " " << option;
            }
        }
    });
    fs::remove_all(base);
    fs::remove_all(source);
}

// Standard output that cannot be written: one sentence, status 2, in the
// process itself (a full device) and through any stream.
TEST(SimFiles, AFailedStandardOutputIsAnError) {
    struct TFull : std::streambuf {
        int overflow(int) override { return traits_type::eof(); }
    } full;
    std::ostream out(&full);
    std::ostringstream err;
    const char* const status[] = {"vaeloric-sim", "play", "--turns", "1"};
    EXPECT_EQ(sim::Run(4, status, out, err), 2);
    EXPECT_EQ(err.str(), std::string(sim::kOutputFailedSentence) + "\n");

    if (!fs::exists("/dev/full")) return;
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    std::fflush(stdout);  // the child must not print the test's own output again
    const pid_t child = fork();
    if (child == 0) {
        freopen("/dev/full", "w", stdout);
        dup2(pipeEnds[1], STDERR_FILENO);
        const char* const help[] = {"vaeloric-sim", "--help"};
        _exit(sim::RunOnStandardStreams(2, help));
    }
    close(pipeEnds[1]);
    std::string said;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) said.append(buffer, n);
    close(pipeEnds[0]);
    int exit = 0;
    waitpid(child, &exit, 0);
    EXPECT_EQ(WEXITSTATUS(exit), 2);
    EXPECT_EQ(said, std::string(sim::kOutputFailedSentence) + "\n");
}

// A folder that is not there is never made for a path the user gave.
TEST(SimFiles, MissingFoldersAreRefusedForEveryOutput) {
    const fs::path folder = FreshFolder("missing");
    for (const char* option : {"--save", "--analysis", "--record"}) {
        const std::string path = (folder / "no" / "sub" / "x.txt").string();
        const TSimRun run = RunSim({"play", "--turns", "1", option, path});
        EXPECT_EQ(run.status, 2) << option;
        EXPECT_EQ(run.out, "") << option;
        EXPECT_FALSE(fs::exists(folder / "no")) << option;
    }
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
