// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/record_replay.h"

#include <sys/stat.h>

#include <QComboBox>
#include <QFile>
#include <QPushButton>

#include "flow/analysis_file.h"
#include "flow/command_line.h"
#include "flow/game_record.h"
#include "launch/game_request.h"
#include "launcher/answer_page.h"
#include "launcher/ask_page.h"
#include "launcher/record_viewer.h"
#include "tests/launcher/launcher_fixture.h"
#include "tests/support/special_files.h"

namespace vaeloric::testing {
namespace {

// A game of fourteen turns on the Earth board: person-free, so that every
// computer's move is checked again when it is read.
constexpr const char* kRecord =
    "[Game \"Vaeloric Chess record 1\"]\n"
    "[Board \"E\"]\n"
    "[Ptah \"D5\"]\n"
    "[Question \"\"]\n"
    "[Seat1 \"c\"]\n"
    "[Seat2 \"f\"]\n"
    "[Seat3 \"q\"]\n"
    "[Seat4 \"o\"]\n"
    "[Result \"*\"]\n"
    "[Reason \"-\"]\n"
    "[Check \"248b54ac\"]\n"
    "\n"
    "1. yellow 6 PB7-B6 {NETZACH, Saturn, WORLD} ;210e2113\n"
    "2. blue 1 PG7-F7 {NETZACH, CAPRICORN, Saturn, CARCER} ;fe1bad5a\n"
    "3. red 1 PG2-G3 {Saturn, RUBEUS} ;53bd82ea\n"
    "4. black 3 miss no-move ;6fd811ee\n"
    "5. yellow 2 HC8-E7 {KING of SWORDS, LIBRA, Air - EAST, Mercury, JUSTICE, PUELLA} ;1f51227d\n"
    "6. blue 6 PG6-F6 {MALKUTH, Mars, WORLD} ;c03fa8e0\n"
    "7. red 3 BH1-E4/split {PRINCE of WANDS, NETZACH, CAPRICORN, THE DEVIL, CARCER} ;e526710c\n"
    "8. black 4 QA4-C4 {QUEEN of PENTACLES, HOD, CANCER, Luna, CHARIOT, POPULUS} ;e1e43468\n"
    "9. yellow 6 PB6-B5 {MALKUTH, VIRGO, Saturn, THE HERMIT, CONJUNCTIO} ;3b720cae\n"
    "10. blue 6 PF6xE7(H) {TIPHARETH, YESOD, Mars, PUELLA} ;b7819ebb\n"
    "11. red 6 PG3-G4 {HOD, CANCER, CHARIOT, POPULUS} ;6208e0d7\n"
    "12. black 2 HA3xB5(P) {KING of PENTACLES, MALKUTH, VIRGO, Earth - NORTH, Mars, "
    "CONJUNCTIO} ;f02be944\n"
    "13. yellow 4 QD8-F8 +blue {QUEEN of SWORDS, BINAH, YESOD, TAURUS, Air - EAST, AMISSIO} "
    ";5711d9de\n"
    "14. blue 2 miss no-move +blue ;216ea3f4\n";

// The same record with turn 9's move changed by hand.
std::string Damaged() {
    std::string text = kRecord;
    text.replace(text.find("PB6-B5"), 6, "PB6-B4");
    return text;
}

// The squares that differ between two positions.
int Differences(const TBoard& a, const TBoard& b) {
    int count = 0;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (a.At(rank, file).kind != b.At(rank, file).kind ||
                a.At(rank, file).army != b.At(rank, file).army)
                ++count;
    return count;
}

QPushButton* Button(QWidget& parent, const QString& text) {
    for (QPushButton* button : parent.findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

using RecordReplay = LauncherTest;

// Stepping through every turn: each step shows the position after exactly
// that turn, a move changes the squares it touched, a Miss Go none.
TEST_F(RecordReplay, StepsThroughEveryTurnWithItsThrowMoveAndOmen) {
    TRecordReplay replay;
    std::string why;
    ASSERT_TRUE(replay.Load(kRecord, why)) << why;
    ASSERT_EQ(replay.TurnCount(), 14);
    EXPECT_EQ(replay.Shown(), 0);
    EXPECT_EQ(replay.TurnText(0), "The start");
    EXPECT_FALSE(replay.Previous());
    const struct {
        long turn;
        std::string text;
        std::string omen;
        int changed;  // squares changed by the turn
    } turns[] = {
        {1, "Turn 1, yellow: threw 6, PB7-B6", "NETZACH, Saturn, WORLD", 2},
        {4, "Turn 4, black: threw 3, Miss Go (no move)", "", 0},
        {7, "Turn 7, red: threw 3, BH1-E4/split",
         "PRINCE of WANDS, NETZACH, CAPRICORN, THE DEVIL, CARCER", 2},
        {10, "Turn 10, blue: threw 6, PF6xE7(H)", "TIPHARETH, YESOD, Mars, PUELLA", 2},
        {13, "Turn 13, yellow: threw 4, QD8-F8 +blue",
         "QUEEN of SWORDS, BINAH, YESOD, TAURUS, Air - EAST, AMISSIO", 2},
        {14, "Turn 14, blue: threw 2, Miss Go (no move) +blue", "", 0},
    };
    for (const auto& t : turns) {
        SCOPED_TRACE(t.turn);
        ASSERT_TRUE(replay.Show(t.turn - 1));
        const TBoard before = replay.Board();
        ASSERT_TRUE(replay.Next());
        EXPECT_EQ(replay.Shown(), t.turn);
        EXPECT_EQ(replay.TurnText(t.turn), t.text);
        EXPECT_EQ(replay.OmenText(t.turn), t.omen);
        EXPECT_EQ(Differences(before, replay.Board()), t.changed);
    }
    EXPECT_TRUE(replay.AtEnd());
    EXPECT_FALSE(replay.Next());
    // Turn 7's Bishop left the combined King on H1 and stands on E4.
    replay.Show(7);
    EXPECT_NE(replay.Board().At(4, 5).kind, 0);
    EXPECT_NE(replay.Board().At(1, 8).kind, 0);
    ASSERT_TRUE(replay.First());
    EXPECT_EQ(Differences(replay.Board(), replay.Board()), 0);
    EXPECT_EQ(ReplayResultText(replay.Record()), "The game was not decided.");
    EXPECT_EQ(ReplayCaption(replay.Record()),
              "(No question was recorded.) — Earth board, Ptah square D5");
}

// A record changed, cut, empty, binary or not a file is refused with the
// reader's sentence, and no viewer opens.
TEST_F(RecordReplay, BadRecordsAreRefusedWithTheReadersSentence) {
    const std::string cut = std::string(kRecord).substr(0, std::string(kRecord).size() - 5);
    const struct {
        const char* what;
        std::string bytes;
        std::string says;
    } cases[] = {
        {"a move changed", Damaged(), "Line 21 of the game record"},
        {"cut inside a line", cut, "Line 26 of the game record"},
        {"binary",
         std::string("\x7f"
                     "ELF\0\0\x01",
                     7),
         "game record"},
        {"nothing at all", "", kNoRecordText},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QString refusal;
        EXPECT_EQ(OpenRecordViewer(nullptr, c.bytes, "t", &refusal), nullptr);
        EXPECT_TRUE(refusal.contains(QString::fromStdString(c.says))) << refusal.toStdString();
        TRecordReplay replay;
        std::string why;
        EXPECT_FALSE(replay.Load(c.bytes, why));
    }
    for (const test::TSpecialFile& special : test::kSpecialFiles) {
        SCOPED_TRACE(special.kind);
        const auto path = folder / (std::string(special.kind) + ".vrec");
        if (!special.make(path)) continue;
        QString refusal;
        EXPECT_EQ(OpenRecordFile(nullptr, QString::fromStdString(path.string()), &refusal),
                  nullptr);
        EXPECT_TRUE(refusal.contains("not a regular file")) << refusal.toStdString();
    }
    QString refusal;
    EXPECT_EQ(
        OpenRecordFile(nullptr, QString::fromStdString((folder / "none.vrec").string()), &refusal),
        nullptr);
    EXPECT_TRUE(refusal.contains("could not be opened")) << refusal.toStdString();
}

// The viewer's buttons, keys and play: it follows the record and stops at
// its end.
TEST_F(RecordReplay, TheViewerStepsPlaysAndStopsAtTheEnd) {
    WriteFile(folder / "friend.vrec", kRecord);
    QString refusal;
    TRecordViewer* viewer = OpenRecordFile(
        nullptr, QString::fromStdString((folder / "friend.vrec").string()), &refusal);
    ASSERT_NE(viewer, nullptr) << refusal.toStdString();
    EXPECT_EQ(viewer->TurnLabel(), "The start  (0 of 14)");
    EXPECT_FALSE(Button(*viewer, "Previous")->isEnabled());
    Button(*viewer, "Next")->click();
    EXPECT_EQ(viewer->TurnLabel(), "Turn 1, yellow: threw 6, PB7-B6  (1 of 14)");
    EXPECT_EQ(viewer->OmenLabel(), "Omen: NETZACH, Saturn, WORLD");
    Button(*viewer, "Last")->click();
    EXPECT_EQ(viewer->Replay().Shown(), 14);
    EXPECT_FALSE(Button(*viewer, "Next")->isEnabled());
    EXPECT_EQ(viewer->OmenLabel(), "");
    Button(*viewer, "Previous")->click();
    EXPECT_EQ(viewer->Replay().Shown(), 13);
    Button(*viewer, "First")->click();
    EXPECT_EQ(viewer->Replay().Shown(), 0);

    // Play at the fastest speed runs to the last turn and stops there (from
    // turn 12, so that the test stays quick).
    viewer->Last();
    viewer->Previous();
    viewer->Previous();
    auto* speed = viewer->findChild<QComboBox*>();
    ASSERT_NE(speed, nullptr);
    speed->setCurrentIndex(0);
    EXPECT_EQ(viewer->Interval(), 500);
    Button(*viewer, "Play")->click();
    EXPECT_TRUE(viewer->Playing());
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!viewer->Playing()) loop.quit();
    });
    poll.start(50);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_FALSE(viewer->Playing());
    EXPECT_EQ(viewer->Replay().Shown(), 14);
    // Play again from the end starts at the beginning.
    viewer->SetPlaying(true);
    EXPECT_EQ(viewer->Replay().Shown(), 0);
    viewer->SetPlaying(false);
    EXPECT_FALSE(viewer->Playing());
    delete viewer;
}

// "Save the record…" writes the record's bytes through the safe writer and
// refuses the targets every export refuses.
TEST_F(RecordReplay, SavingTheRecordWritesItWholeOrSaysWhy) {
    const QString path = QString::fromStdString((folder / "game.vrec").string());
    ASSERT_EQ(SaveRecordFile(kRecord, path), "");
    std::string back;
    {
        std::ifstream in(folder / "game.vrec", std::ios::binary);
        back.assign(std::istreambuf_iterator<char>(in), {});
    }
    EXPECT_EQ(back, kRecord);
    EXPECT_EQ(SaveRecordFile("", path), kNoRecordText);
    const std::string fifo = (folder / "pipe.vrec").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const QString refused = SaveRecordFile(kRecord, QString::fromStdString(fifo));
    EXPECT_FALSE(refused.isEmpty());
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_TRUE(IsRecordPath("/a/b/Game.VREC"));
    EXPECT_FALSE(IsRecordPath("/a/b/game.vae"));
}

// The launcher names the record beside the answer file for the board
// program, keeps what it left in the journal with the reading, removes the
// file, and offers the replay on the answer page and after a restart.
constexpr const char* kRecordingBoard = R"sh(#!/bin/sh
[ "$VAELORIC_RECORD_FILE" = "${VAELORIC_ANALYSIS_FILE%.txt}.vrec" ] || { echo "record at $VAELORIC_RECORD_FILE" >&2; exit 3; }
[ -e "$FAKE_DIR/record" ] && cat "$FAKE_DIR/record" > "$VAELORIC_RECORD_FILE"
cat "$FAKE_DIR/answer" > "$VAELORIC_ANALYSIS_FILE"
exit 0
)sh";

TEST_F(RecordReplay, TheJournalKeepsTheRecordWithTheReading) {
    const auto board = folder / "bin" / "marisel";
    WriteFile(board, kRecordingBoard);
    chmod(board.c_str(), 0755);
    setenv("FAKE_DIR", folder.c_str(), 1);
    // A record place chosen for the launcher itself is not passed on.
    setenv("VAELORIC_RECORD_FILE", (folder / "elsewhere.vrec").c_str(), 1);
    struct TUnset {
        ~TUnset() { unsetenv("VAELORIC_RECORD_FILE"); }
    } unset;
    TQuestionForm form;
    form.question = "Will it rain?";
    form.questionerName = "Ann";
    form.element = TQuestionElement::Water;
    form.seats[2] = {2, ""};
    form.seats[3] = {3, ""};
    form.seats[4] = {6, ""};
    form.ptah = {3, 3};
    WriteFile(folder / "answer", GameAnswerText("Ann", form.question, true, "The Sun rises."));
    {
        TLauncherWindow window(JournalPath());
        // A game whose board program left no record: no replay is offered.
        window.AskPage().SetForm(form);
        window.AskQuestion();
        ASSERT_TRUE(WaitForGameEnd(window));
        EXPECT_EQ(window.AnswerPage().AnswerText(), "FAVOURABLE");
        EXPECT_FALSE(Button(window.AnswerPage(), "Replay the game")->isEnabled());
        EXPECT_EQ(window.Journal().List().at(0).record, "");

        WriteFile(folder / "record", kRecord);
        window.AskPage().SetForm(form);
        window.AskQuestion();
        ASSERT_TRUE(WaitForGameEnd(window));
        EXPECT_EQ(window.AnswerPage().AnswerText(), "FAVOURABLE");
        EXPECT_EQ(window.AnswerPage().Entry().record, kRecord);
        EXPECT_TRUE(Button(window.AnswerPage(), "Replay the game")->isEnabled());
        EXPECT_TRUE(Button(window.AnswerPage(), "Save the record…")->isEnabled());
        // Every answer file and record was read and removed.
        EXPECT_TRUE(std::filesystem::is_empty(folder / "XDG_STATE_HOME" / "vaeloric" / "games"));
        EXPECT_FALSE(std::filesystem::exists(folder / "elsewhere.vrec"));
    }
    TJournalStore again;
    ASSERT_TRUE(again.Open(JournalPath()));
    ASSERT_EQ(again.List().size(), 2u);
    EXPECT_EQ(again.List()[0].record, kRecord);
    EXPECT_EQ(again.List()[1].record, "");
    QString refusal;
    TRecordViewer* viewer = ReplayEntry(nullptr, again.List()[0], &refusal);
    ASSERT_NE(viewer, nullptr) << refusal.toStdString();
    EXPECT_EQ(viewer->Replay().TurnCount(), 14);
    delete viewer;
    EXPECT_EQ(ReplayEntry(nullptr, again.List()[1], &refusal), nullptr);
    EXPECT_EQ(refusal, kNoRecordText);
}

}  // namespace
}  // namespace vaeloric::testing
