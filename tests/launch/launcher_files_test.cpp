// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/launcher_files.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "flow/analysis_file.h"
#include "flow/running_game.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "flow/setup_record.h"
#include "launch/settings_file.h"
#include "tests/support/special_files.h"

namespace vaeloric {
namespace {

namespace fs = std::filesystem;

fs::path Fresh(const std::string& name) {
    const fs::path folder =
        fs::temp_directory_path() / ("vaeloric-launch-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The settings as the launcher wrote them with QSettings, and as it writes
// them now: the same values either way.
TEST(SettingsFile, EarlierFilesAreReadAndEveryValueComesBack) {
    const std::string earlier =
        "[General]\nelement=water\nquestioner=Zo\\xeb \\\"A\\\"\n\n"
        "[seat2]\ncode=2\nname=\n\n[seat3]\ncode=1\nname=\"bob, the =second\"\n";
    const TSettings read = ParseSettings(earlier);
    EXPECT_EQ(read.at("element"), "water");
    EXPECT_EQ(read.at("questioner"), "Zoë \"A\"");
    EXPECT_EQ(read.at("seat2/code"), "2");
    EXPECT_EQ(read.at("seat3/name"), "bob, the =second");
    TSettings values = read;
    values["questioner"] = " Ann\\n\tZoë; =x \"y\" ";
    values["seat4/name"] = "ναι\nline";
    EXPECT_EQ(ParseSettings(SettingsText(values)), values);
}

// A settings file that is not a regular file is never opened as a stream:
// it is moved aside with a message, and the next save makes a real file.
TEST(SettingsFile, ABadSettingsFileIsMovedAsideWithAMessage) {
    alarm(30);  // a blocking open ends the test
    const fs::path folder = Fresh("settings");
    const fs::path path = folder / "Vaeloric Chess.conf";
    for (const test::TSpecialFile& special : test::kSpecialFiles) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        if (!special.make(path)) continue;
        std::string message;
        EXPECT_TRUE(LoadSettingsFile(path.string(), message).empty()) << special.kind;
        EXPECT_NE(message.find("was not a regular file. It was moved to "), std::string::npos)
            << message;
        EXPECT_FALSE(fs::exists(fs::symlink_status(path))) << special.kind;
        ASSERT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
        EXPECT_EQ(SaveSettingsFile(path.string(), {{"element", "air"}}), "");
        EXPECT_EQ(LoadSettingsFile(path.string(), message).at("element"), "air");
        EXPECT_EQ(message, "");
    }
    std::ofstream(path, std::ios::binary) << std::string(kMaxSettingsBytes + 1, 'x');
    std::string message;
    EXPECT_TRUE(LoadSettingsFile(path.string(), message).empty());
    EXPECT_NE(message.find("far too large"), std::string::npos);
    alarm(0);
    fs::remove_all(folder);
}

// The settings writer against every target of the shared list but the
// missing folder, which it makes, as its own.
TEST(SettingsFile, SavingRefusesEveryTargetOfTheSharedList) {
    const fs::path base = Fresh("settings-targets");
    test::ForEachWriteTarget(base, [](const test::TWriteTarget& target, const fs::path& path) {
        if (std::string(target.kind) == "missing folder") return;
        const TFileOutcome outcome =
            target.refusal == test::TTargetRefusal::NotRegular   ? TFileOutcome::NotRegular
            : target.refusal == test::TTargetRefusal::ReadOnly   ? TFileOutcome::ReadOnly
            : target.refusal == test::TTargetRefusal::UnsafeLink ? TFileOutcome::UnsafeLink
                                                                 : TFileOutcome::Failed;
        EXPECT_EQ(SaveSettingsFile(path.string(), {{"element", "air"}}),
                  WriteProblemSentence(path.string(), outcome))
            << target.kind;
    });
    fs::remove_all(base);
}

// Only a game whose launcher has gone is given up; another launcher's game,
// even one of the same home, goes on.
TEST(JournalRecovery, OnlyGamesOfLaunchersThatHaveGoneAreGivenUp) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const pid_t other = fork();
    if (other == 0) {
        const std::string me = ThisLauncher();
        [[maybe_unused]] const ssize_t n = write(ends[1], me.data(), me.size());
        close(ends[1]);
        pause();
        _exit(0);
    }
    close(ends[1]);
    char buffer[512] = {};
    ASSERT_GT(read(ends[0], buffer, sizeof buffer - 1), 0);
    close(ends[0]);
    const std::string running = buffer;
    const std::string me = ThisLauncher();
    const std::string host = me.substr(0, me.find(' '));

    const struct {
        std::string owner;
        bool gone;
    } cases[] = {
        {me, false},
        {running, false},
        {"", true},                                            // an older journal's entry
        {host + " 999999999 5", true},                         // no such process
        {host + " " + std::to_string(getpid()) + " 1", true},  // the number used again
        {"elsewhere.example 1 1", false},                      // another machine's
        {"garbage", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LauncherGone(c.owner), c.gone) << c.owner;
        TJournalEntry entry;
        entry.owner = c.owner;
        entry.note = "kept";
        EXPECT_EQ(RecoverAbandoned(entry), c.gone) << c.owner;
        EXPECT_EQ(entry.outcome, c.gone ? TOutcome::Failed : TOutcome::InProgress);
        EXPECT_EQ(entry.note, c.gone ? kAbandonedNote : "kept");
    }
    TJournalEntry decided;
    decided.outcome = TOutcome::Favourable;
    EXPECT_FALSE(RecoverAbandoned(decided));

    kill(other, SIGKILL);
    waitpid(other, nullptr, 0);
    EXPECT_TRUE(LauncherGone(running));
}

// A board program that died leaves its game in the running games' folder:
// the journal entry becomes "interrupted" and names it, only when a game is
// really there, and the continued game finds that entry again by its file,
// however the path is spelt.
TEST(JournalRecovery, AKeptGameMakesAnEntryInterruptedAndFindsItAgain) {
    const fs::path folder = Fresh("interrupted");
    const char* was = std::getenv("XDG_STATE_HOME");
    const std::string before = was != nullptr ? was : "";
    setenv("XDG_STATE_HOME", (folder / "state").c_str(), 1);
    fs::create_directories(RunningGamesFolder());
    TSetUpRecord setUp;
    ParseLauncherArgument("45xWill it rain?^@Ann^@fqo", 'E', setUp);
    TBoard board;
    board.SetUp(setUp.ptah, 'E');
    const std::string game = RunningGameFile('E', 4242);
    ASSERT_TRUE(
        SafeWriteFile(game, FormatSavedGame('E', board, setUp, TTurnState{}, TReadingRecord{})));
    ASSERT_TRUE(SafeWriteFile(RunningGameFile('W', 4343), "not a game"));

    EXPECT_EQ(KeptGameOf(4242), game);
    EXPECT_EQ(KeptGameOf(4444), "");
    EXPECT_EQ(KeptGameOf(0), "");
    const struct {
        std::string kept;
        bool interrupted;
    } cases[] = {{game, true},
                 {KeptGameOf(4343), false},
                 {"", false},
                 {(folder / "missing.vae").string(), false}};
    for (const auto& c : cases) {
        TJournalEntry entry;
        entry.outcome = TOutcome::Failed;
        entry.note = "signal 9";
        entry.owner = "me";
        EXPECT_EQ(MarkInterrupted(entry, c.kept), c.interrupted) << c.kept;
        EXPECT_EQ(entry.outcome, c.interrupted ? TOutcome::Interrupted : TOutcome::Failed);
        EXPECT_EQ(entry.note, c.interrupted ? kInterruptedNote : "signal 9");
        EXPECT_EQ(entry.savedGame, c.interrupted ? c.kept : "");
        EXPECT_EQ(entry.owner, c.interrupted ? "" : "me");
    }
    EXPECT_EQ(OutcomeFromKey(OutcomeKey(TOutcome::Interrupted)), TOutcome::Interrupted);
    EXPECT_EQ(OutcomeKey(TOutcome::Interrupted), "interrupted");

    std::vector<TJournalEntry> entries(3);
    entries[0].outcome = TOutcome::Failed;  // another game of the same file, already given up
    entries[0].savedGame = game;
    entries[1].id = 7;
    ASSERT_TRUE(MarkInterrupted(entries[1], game));
    entries[2].outcome = TOutcome::Interrupted;
    entries[2].savedGame = RunningGameFile('E', 5555);
    const std::string spelt = (fs::path(RunningGamesFolder()) / "." / "E-4242.vae").string();
    for (const std::string& path : {game, spelt}) {
        const TJournalEntry* found = InterruptedEntryOf(entries, path);
        ASSERT_NE(found, nullptr) << path;
        EXPECT_EQ(found->id, 7);
    }
    EXPECT_EQ(InterruptedEntryOf(entries, RunningGameFile('E', 6666)), nullptr);
    if (was != nullptr)
        setenv("XDG_STATE_HOME", before.c_str(), 1);
    else
        unsetenv("XDG_STATE_HOME");
    fs::remove_all(folder);
}

// The answer files of the launcher and of the board programs live in one
// folder, found by one rule: a relative XDG_STATE_HOME is ignored by both.
TEST(AnswerFiles, TheLauncherAndTheBoardsFollowOneRule) {
    const char* saved = std::getenv("XDG_STATE_HOME");
    const std::string before = saved ? saved : "";
    const char* overridden = std::getenv("VAELORIC_ANALYSIS_FILE");
    const std::string override = overridden ? overridden : "";
    unsetenv("VAELORIC_ANALYSIS_FILE");
    for (const char* state : {"/var/state", "relative/state"}) {
        setenv("XDG_STATE_HOME", state, 1);
        const std::string fresh = FreshAnalysisPath("20261209-0400");
        EXPECT_EQ(fs::path(fresh).parent_path(), fs::path(AnalysisFolder()) / "games") << state;
        EXPECT_EQ(fs::path(AnalysisFilePath()).parent_path(), fs::path(AnalysisFolder())) << state;
        EXPECT_EQ(fresh.front(), '/') << state;
        EXPECT_NE(FreshAnalysisPath("20261209-0400"), fresh);
    }
    if (saved)
        setenv("XDG_STATE_HOME", before.c_str(), 1);
    else
        unsetenv("XDG_STATE_HOME");
    if (overridden) setenv("VAELORIC_ANALYSIS_FILE", override.c_str(), 1);
}

}  // namespace
}  // namespace vaeloric
