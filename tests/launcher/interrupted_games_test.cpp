// SPDX-License-Identifier: GPL-3.0-or-later

// A board program killed in the middle of a game leaves it for the next
// start: the launcher finds it and offers it, and the board program that
// continues it takes it over.
#include "launcher/interrupted_games.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLockFile>
#include <QTimer>
#include <csignal>

#include "flow/running_game.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "launcher/ask_page.h"
#include "launcher/board_runner.h"
#include "tests/launcher/launcher_fixture.h"

namespace vaeloric::testing {
namespace {

using InterruptedGames = LauncherTest;

// Runs the event loop until `done` holds, for at most `milliseconds`.
bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done()) loop.quit();
    });
    poll.start(50);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

TEST_F(InterruptedGames, OnlyGamesWhoseProgramIsGoneAreOffered) {
    const QString folder = QString::fromStdString(RunningGamesFolder());
    ASSERT_TRUE(QDir().mkpath(folder));
    TSetUpRecord setUp;
    ParseLauncherArgument("45xWill it rain?^@Ann^@fqo", 'E', setUp);
    TBoard board;
    board.SetUp(setUp.ptah, 'E');
    const std::string game = FormatSavedGame('E', board, setUp, TTurnState{}, TReadingRecord{});
    ASSERT_TRUE(SafeWriteFile((folder + "/E-4000001.vae").toStdString(), game));
    ASSERT_TRUE(SafeWriteFile((folder + "/E-4000002.vae").toStdString(), game));
    ASSERT_TRUE(SafeWriteFile((folder + "/W-4000003.vae").toStdString(), "not a game"));
    // A program that runs holds its lock: its game is not offered.
    QLockFile running(folder + "/E-4000002.lock");
    ASSERT_TRUE(running.tryLock(0));
    const std::vector<TInterruptedGame> games = FindInterruptedGames();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_TRUE(games[0].path.endsWith("E-4000001.vae"));
    EXPECT_EQ(InterruptedGameOffer(games[0]),
              "Continue the interrupted game: Will it rain?, Earth board");
    // Looking leaves the game for the board program to take.
    EXPECT_EQ(FindInterruptedGames().size(), 1u);
}

// The Water board program itself, offscreen, killed with SIGKILL once its
// game is on disk; continued from the launcher, its successor takes it over.
TEST_F(InterruptedGames, AKilledBoardsGameIsOfferedAndTakenOver) {
    setenv("VAELORIC_BOARD_DIR", VAELORIC_BOARDS_DIR, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QString folder = QString::fromStdString(RunningGamesFolder());
    TLauncherWindow window(JournalPath());
    TQuestionForm form;
    form.question = "Will the harvest be good?";
    form.questionerName = "Ann";
    form.element = TQuestionElement::Water;
    form.seats[2] = {2, ""};
    form.seats[3] = {8, ""};
    form.seats[4] = {3, ""};
    form.ptah = {4, 5};
    window.AskPage().SetForm(form);
    window.AskQuestion();
    const qint64 first = window.Runner().ProcessId();
    ASSERT_GT(first, 0);
    const QString kept = folder + QString("/W-%1.vae").arg(first);
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(kept); }, 60000));
    ::kill(static_cast<pid_t>(first), SIGKILL);
    ASSERT_TRUE(WaitForGameEnd(window, 60000));

    const std::vector<TInterruptedGame> games = FindInterruptedGames();
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].path, kept);
    EXPECT_EQ(games[0].question, "Will the harvest be good?");
    EXPECT_EQ(games[0].board, "Water");
    // Killed at its first turn, with its record beside it.
    EXPECT_EQ(InterruptedGameOffer(games[0]),
              "Continue the interrupted game: Will the harvest be good?, Water board, turn 1");
    // The journal says "interrupted" and names the kept game.
    ASSERT_EQ(window.Journal().List().size(), 1u);
    const TJournalEntry entry = window.Journal().List().at(0);
    EXPECT_EQ(entry.outcome, TOutcome::Interrupted);
    EXPECT_EQ(OutcomeKey(entry.outcome), "interrupted");
    EXPECT_EQ(entry.savedGame, kept.toStdString());
    std::string before;
    ASSERT_EQ(ReadFileSafely(kept.toStdString(), kMaxSavedGameBytes, before), TFileOutcome::Done);

    window.ContinueSavedGame(kept);
    const qint64 second = window.Runner().ProcessId();
    ASSERT_GT(second, 0);
    const QString taken = folder + QString("/W-%1.vae").arg(second);
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(taken) && !QFile::exists(kept); }, 60000));
    std::string after;
    ASSERT_EQ(ReadFileSafely(taken.toStdString(), kMaxSavedGameBytes, after), TFileOutcome::Done);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(FindInterruptedGames().empty());  // its program runs
    // The continued game completes the same entry.
    ASSERT_EQ(window.Journal().List().size(), 1u);
    EXPECT_EQ(window.Journal().List().at(0).id, entry.id);
    EXPECT_EQ(window.Journal().List().at(0).outcome, TOutcome::InProgress);
    ::kill(static_cast<pid_t>(second), SIGKILL);
    ASSERT_TRUE(WaitForGameEnd(window, 60000));
    // Killed once more: still the one entry, interrupted, naming the game's
    // new file.
    ASSERT_EQ(window.Journal().List().size(), 1u);
    EXPECT_EQ(window.Journal().List().at(0).id, entry.id);
    EXPECT_EQ(window.Journal().List().at(0).outcome, TOutcome::Interrupted);
    EXPECT_EQ(window.Journal().List().at(0).savedGame, taken.toStdString());
    EXPECT_EQ(window.Journal().List().at(0).question, "Will the harvest be good?");
}

}  // namespace
}  // namespace vaeloric::testing
