// SPDX-License-Identifier: GPL-3.0-or-later

// The answer page says when the Questioner's army took the Seer's hints,
// counting them from the game's record, and says nothing otherwise.
#include "flow/game_record.h"
#include "launch/record_replay.h"
#include "launcher/answer_page.h"
#include "tests/launcher/launcher_fixture.h"

namespace vaeloric::testing {
namespace {

using HintNote = LauncherTest;

TRecordTurn Turn(long number, std::int32_t army, bool hinted) {
    TRecordTurn turn;
    turn.number = number;
    turn.army = army;
    turn.face = 6;
    turn.from = TSquare{2, army};
    turn.to = TSquare{3, army};
    turn.movedKind = HorsePawn;
    turn.omen = "MALKUTH, Mars";
    turn.hinted = hinted;
    return turn;
}

// A record of four turns, one for each army in turn order from army 1,
// with hints on the armies listed.
std::string RecordText(TSquare ptah, std::initializer_list<std::int32_t> hintedArmies) {
    TGameRecord record;
    record.boardLetter = 'W';
    record.ptah = ptah;
    record.question = "Will it rain? hint";  // the word in a tag is no hint
    record.seatCode = {0, Human, Human, Human, Human};
    for (std::int32_t army = 1; army <= 4; ++army) {
        bool hinted = false;
        for (std::int32_t a : hintedArmies) hinted = hinted || a == army;
        record.turns.push_back(Turn(army, army, hinted));
    }
    return FormatRecord(record);
}

TEST_F(HintNote, TheAnswerPageCountsOnlyTheQuestionersHints) {
    const TSquare e4{4, 5};  // the Questioner plays army 1
    const TSquare d5{5, 4};
    ASSERT_EQ(QuadrantArmy(e4), 1);
    const std::int32_t d5Army = QuadrantArmy(d5);
    ASSERT_NE(d5Army, 1);
    struct TCase {
        const char* what;
        std::string record;
        int hints;
    };
    const TCase cases[] = {
        {"no hints", RecordText(e4, {}), 0},
        {"only other armies'", RecordText(e4, {2, 3, 4}), 0},
        {"the Questioner's once", RecordText(e4, {1, 3}), 1},
        {"another Questioner's army", RecordText(d5, {1, d5Army}), 1},
        {"no record", "", 0},
        {"not a record", "hint ;\n\n1. red 6 hint ;00000000\n", 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(QuestionerHintCount(c.record), c.hints);
        TJournalEntry entry;
        entry.question = "Will it rain?";
        entry.outcome = TOutcome::Favourable;
        entry.record = c.record;
        TAnswerPage page;
        page.Show(entry);
        EXPECT_EQ(page.HintText().toStdString(), HintNoteText(c.hints));
        // Copied or saved as text, the reading says the same.
        const std::string text = ReadingText(entry);
        EXPECT_EQ(text.find("asked the Seer for a hint") != std::string::npos, c.hints > 0);
    }
    // Two games on one page: the second's note replaces the first's.
    TAnswerPage page;
    TJournalEntry entry;
    entry.outcome = TOutcome::Unfavourable;
    entry.record = RecordText(e4, {1});
    page.Show(entry);
    EXPECT_FALSE(page.HintText().isEmpty());
    entry.record = RecordText(e4, {});
    page.Show(entry);
    EXPECT_TRUE(page.HintText().isEmpty());
}

}  // namespace
}  // namespace vaeloric::testing
