// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/stat.h>

#include <QCoreApplication>

#include "flow/analysis_file.h"
#include "flow/command_line.h"
#include "flow/saved_game.h"
#include "launch/game_request.h"
#include "launch/launcher_files.h"
#include "launcher/answer_page.h"
#include "launcher/ask_page.h"
#include "launcher/board_runner.h"
#include "tests/launcher/launcher_fixture.h"
#include "tests/support/special_files.h"

namespace vaeloric::testing {
namespace {

// A stand-in board program: it checks its one argument, then ends the way
// the test chose.
constexpr const char* kFakeBoard = R"sh(#!/bin/sh
[ "$#" -eq 1 ] && [ "$1" = "$(cat "$FAKE_DIR/expect")" ] || { echo "unexpected argument: $*" >&2; exit 3; }
case "$(cat "$FAKE_DIR/mode")" in
  write) cat "$FAKE_DIR/answer" > "$VAELORIC_ANALYSIS_FILE" ;;
  signal) kill -KILL $$ ;;
  refuse) echo "Seat 3 has no player." >&2; exit 2 ;;
esac
exit 0
)sh";

TQuestionForm Form() {
    TQuestionForm form;
    form.question = "Will the \"new\" house bring luck? — ναι; 'ok' $HOME `x` 🙂";
    form.questionerName = "ANNE-Zoë";
    form.element = TQuestionElement::Water;
    form.seats[2] = {2, ""};
    form.seats[3] = {1, "bob"};
    form.seats[4] = {6, ""};
    form.ptah = {3, 3};
    return form;
}

class BoardProcess : public LauncherTest {
  protected:
    void SetUp() override {
        LauncherTest::SetUp();
        const auto board = folder / "bin" / "marisel";
        WriteFile(board, kFakeBoard);
        chmod(board.c_str(), 0755);
        setenv("FAKE_DIR", folder.c_str(), 1);
        WriteFile(folder / "expect", ComposeLauncherArgument(Form(), Form().ptah));
    }
    // Plays one game with the fake board ending as `mode`.
    void Play(TLauncherWindow& window, const std::string& mode, const std::string& answer = "") {
        WriteFile(folder / "mode", mode);
        WriteFile(folder / "answer", answer);
        window.AskPage().SetForm(Form());
        window.AskQuestion();
        ASSERT_EQ(window.CurrentPage(), TLauncherWindow::TPage::Progress);
        ASSERT_TRUE(WaitForGameEnd(window));
    }
};

TEST_F(BoardProcess, EveryEndReachesItsPageAndTheJournal) {
    struct TCase {
        std::string mode;
        std::string answer;
        TOutcome outcome;
        std::string shown;  // the large line of the answer page
        std::string note;   // the sentence under it
    } cases[] = {
        {"write", GameAnswerText("Anne-zoë", Form().question, true, "The Sun rises."),
         TOutcome::Favourable, "FAVOURABLE", ""},
        {"write", GameAnswerText("Anne-zoë", Form().question, false, "The Moon wanes."),
         TOutcome::Unfavourable, "UNFAVOURABLE", ""},
        {"write", UnfinishedGameText("Nothing decided."), TOutcome::Unfinished,
         "No answer: the game was ended before it was decided", ""},
        {"write", std::string("\0\x01garbage", 9), TOutcome::Failed,
         "No answer: the game did not end properly",
         "The board program marisel ended (exit status 0), but its answer could not be read: "
         "the file is not text."},
        {"silent", "", TOutcome::Failed, "No answer: the game did not end properly",
         "The board program marisel ended (exit status 0), but its answer could not be read: "
         "the answer file: there is no such file."},
        {"signal", "", TOutcome::Failed, "No answer: the game did not end properly",
         "The board program marisel was stopped by signal 9 before the game was decided; it is "
         "kept as unfinished."},
        {"refuse", "", TOutcome::Failed, "No answer: the game did not end properly",
         "The board program marisel stopped with exit status 2: Seat 3 has no player."},
    };
    TLauncherWindow window(JournalPath());
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.mode + " " + test.shown);
        Play(window, test.mode, test.answer);
        EXPECT_EQ(window.CurrentPage(), TLauncherWindow::TPage::Answer);
        EXPECT_EQ(window.AnswerPage().AnswerText().toStdString(), test.shown);
        const TJournalEntry entry = window.Journal().List().at(0);
        EXPECT_EQ(entry.outcome, test.outcome);
        EXPECT_EQ(entry.note, test.note);
        EXPECT_EQ(entry.question, Form().question);
        EXPECT_EQ(entry.ptahSquare, "C3");
    }
    EXPECT_EQ(window.Journal().List().size(), std::size(cases));
    EXPECT_EQ(window.Journal().List()[6].analysis, "The Sun rises.");
    // Every answer file was read and removed.
    EXPECT_TRUE(std::filesystem::is_empty(folder / "XDG_STATE_HOME" / "vaeloric" / "games"));
}

TEST_F(BoardProcess, ACancelledReloadGoesBackQuietlyAndAMissingBoardIsSaid) {
    // A saved game of the Water board, continued: `*` and its path.
    const std::string saved = (folder / "game.vae").string();
    TSetUpRecord setUp;
    ParseLauncherArgument(ComposeLauncherArgument(Form(), Form().ptah), 'W', setUp);
    TBoard board;
    board.SetUp(setUp.ptah, setUp.boardLetter);
    ASSERT_TRUE(WriteSavedGame(saved, 'W', board, setUp, TTurnState{}, TReadingRecord{}).saved);
    WriteFile(folder / "expect", "*" + saved);
    WriteFile(folder / "mode", "write");
    WriteFile(folder / "answer", "CANCELLED");
    TLauncherWindow window(JournalPath());
    window.ContinueSavedGame(QString::fromStdString(saved));
    ASSERT_TRUE(WaitForGameEnd(window));
    EXPECT_EQ(window.CurrentPage(), TLauncherWindow::TPage::Ask);
    EXPECT_TRUE(window.Journal().List().empty());

    std::filesystem::remove(folder / "bin" / "marisel");
    const std::string path = std::getenv("PATH");
    setenv("PATH", folder.c_str(), 1);
    window.AskPage().SetForm(Form());
    window.AskQuestion();
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(window.CurrentPage(), TLauncherWindow::TPage::Ask);
    EXPECT_TRUE(window.Journal().List().empty());
}

// A journal that cannot be used, in two ways: a folder in its place, and a
// full disk from the start of the game to its end. The warning stays in
// sight while the game is played, the answer keeps its explanation, and the
// page says the reading was not kept and offers to save it as a file.
TEST_F(BoardProcess, AnUnusableJournalIsSaidAllAlongAndTheAnswerKeepsItsExplanation) {
    const std::string explanation =
        "The board program marisel was stopped by signal 9 before the game was decided; it is "
        "kept as unfinished.";
    for (const bool fullDisk : {false, true}) {
        SCOPED_TRACE(fullDisk ? "full disk" : "a folder in its place");
        std::filesystem::remove_all(folder / "journal.sqlite");
        if (!fullDisk) std::filesystem::create_directories(folder / "journal.sqlite");
        TLauncherWindow window(JournalPath());
        WriteFile(folder / "mode", "signal");
        window.AskPage().SetForm(Form());
        test::WriteAs({"full disk", nullptr, test::TTargetRefusal::Failed, fullDisk}, [&] {
            window.AskQuestion();
            ASSERT_EQ(window.CurrentPage(), TLauncherWindow::TPage::Progress);
            EXPECT_TRUE(window.ProgressProblem().endsWith("The game is played all the same."))
                << window.ProgressProblem().toStdString();
            ASSERT_TRUE(WaitForGameEnd(window));
        });
        EXPECT_EQ(window.CurrentPage(), TLauncherWindow::TPage::Answer);
        EXPECT_EQ(window.AnswerPage().NoteText().toStdString(), explanation);
        EXPECT_TRUE(window.AnswerPage().NotKeptText().startsWith(
            "This reading could not be kept in the journal."))
            << window.AnswerPage().NotKeptText().toStdString();
        EXPECT_TRUE(window.AnswerPage().NotKeptText().endsWith("Save it as a file to keep it."));
        // Nothing is left "in progress" without a word.
        for (const TJournalEntry& entry : window.Journal().List())
            EXPECT_NE(entry.outcome, TOutcome::InProgress);
    }
    // With room again, the next game is kept and nothing is said.
    TLauncherWindow window(JournalPath());
    Play(window, "signal");
    EXPECT_EQ(window.AnswerPage().NotKeptText(), "");
    EXPECT_EQ(window.Journal().List().at(0).outcome, TOutcome::Failed);
}

// A FIFO in place of the settings file neither hangs the start nor stays:
// it is moved aside, and the next question writes a real settings file
// that the next start reads.
TEST_F(BoardProcess, AFifoAsTheSettingsFileIsMovedAsideAtStart) {
    alarm(60);  // a blocking open ends the test
    const std::filesystem::path settings =
        folder / "XDG_CONFIG_HOME" / "vaeloric" / "Vaeloric Chess.conf";
    std::filesystem::create_directories(settings.parent_path());
    ASSERT_EQ(mkfifo(settings.c_str(), 0644), 0);
    {
        TLauncherWindow window(JournalPath());
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(settings)));
        Play(window, "signal");
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(settings));
    TLauncherWindow again(JournalPath());
    EXPECT_EQ(again.AskPage().Form().element, TQuestionElement::Water);
    EXPECT_EQ(again.AskPage().Form().questionerName, Form().questionerName);
    alarm(0);
}

// A second launcher of the same home leaves the first one's game in
// progress; a game whose launcher has gone is given up with a word.
TEST_F(BoardProcess, ASecondLauncherLeavesTheFirstOnesGameAlone) {
    {
        TJournalStore store;
        ASSERT_TRUE(store.Open(JournalPath()));
        TJournalEntry running, abandoned;
        running.question = "Running";
        running.owner = ThisLauncher();
        abandoned.question = "Abandoned";
        ASSERT_TRUE(store.Insert(running) && store.Insert(abandoned));
    }
    TLauncherWindow second(JournalPath());
    const std::vector<TJournalEntry> entries = second.Journal().List();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].question, "Abandoned");
    EXPECT_EQ(entries[0].outcome, TOutcome::Failed);
    EXPECT_EQ(entries[0].note, kAbandonedNote);
    EXPECT_EQ(entries[1].question, "Running");
    EXPECT_EQ(entries[1].outcome, TOutcome::InProgress);

    // A game played here is owned by this launcher while it runs.
    WriteFile(folder / "mode", "write");
    WriteFile(folder / "answer", GameAnswerText("Anne-zoë", Form().question, true, "Sun."));
    second.AskPage().SetForm(Form());
    second.AskQuestion();
    EXPECT_EQ(second.Journal().List().at(0).owner, ThisLauncher());
    {
        TLauncherWindow third(JournalPath());
        EXPECT_EQ(third.Journal().List().at(0).outcome, TOutcome::InProgress);
    }
    ASSERT_TRUE(WaitForGameEnd(second));
    EXPECT_EQ(second.Journal().List().at(0).outcome, TOutcome::Favourable);
    EXPECT_EQ(second.Journal().List().at(0).owner, "");
}

}  // namespace
}  // namespace vaeloric::testing
