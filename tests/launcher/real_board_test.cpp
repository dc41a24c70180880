// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTimer>
#include <csignal>
#include <fstream>

#include "launch/record_replay.h"
#include "launcher/answer_page.h"
#include "launcher/ask_page.h"
#include "launcher/board_runner.h"
#include "tests/launcher/launcher_fixture.h"

namespace vaeloric::testing {
namespace {

using RealBoard = LauncherTest;

bool CatchesTerminate(qint64 pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigCgt:", 0) == 0)
            return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

// The Water board program itself, offscreen: a composed argument, a close
// request once it runs, and the premature end read back from its answer.
TEST_F(RealBoard, AGameClosedEarlyEndsPrematurely) {
    setenv("VAELORIC_BOARD_DIR", VAELORIC_BOARDS_DIR, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
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
    ASSERT_EQ(window.CurrentPage(), TLauncherWindow::TPage::Progress);
    // Asked to close only once it handles the request (SIGTERM caught).
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!CatchesTerminate(window.Runner().ProcessId())) return;
        poll.stop();
        window.Runner().RequestClose();
    });
    poll.start(100);
    ASSERT_TRUE(WaitForGameEnd(window, 120000));
    const TJournalEntry entry = window.Journal().List().at(0);
    EXPECT_EQ(entry.outcome, TOutcome::Unfinished) << entry.note;
    EXPECT_EQ(entry.note, "");
    EXPECT_EQ(entry.analysis, "No moves made.");
    EXPECT_EQ(window.AnswerPage().AnswerText().toStdString(),
              "No answer: the game was ended before it was decided");
    // The record the board program kept where the launcher told it: the
    // game as asked, no turn played.
    TRecordReplay replay;
    std::string why;
    ASSERT_TRUE(replay.Load(entry.record, why)) << why << "\n" << entry.record;
    EXPECT_EQ(replay.TurnCount(), 0);
    EXPECT_EQ(replay.Record().question, form.question);
    EXPECT_EQ(replay.Record().boardLetter, 'W');
}

}  // namespace
}  // namespace vaeloric::testing
