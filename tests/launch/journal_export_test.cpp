// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "flow/analysis_file.h"
#include "launch/journal_entry.h"

namespace vaeloric {
namespace {

TJournalEntry Entry(const std::string& question, TOutcome outcome, const std::string& analysis) {
    TJournalEntry entry;
    entry.askedAt = "2026-12-08 21:30";
    entry.question = question;
    entry.questionerName = "Ann";
    entry.element = "Water";
    entry.ptahSquare = "C3";
    entry.players = "Ann: Air (yellow), moves first\nDr Aldous Fenn: Water (blue)";
    entry.outcome = outcome;
    entry.analysis = analysis;
    return entry;
}

TEST(Journal, SearchLooksAtQuestionAndAnswerWordByWord) {
    const TJournalEntry entry =
        Entry("Will the HARVEST be good?", TOutcome::Favourable, "The Tower warns.");
    EXPECT_TRUE(EntryMatches(entry, ""));
    EXPECT_TRUE(EntryMatches(entry, "harvest"));
    EXPECT_TRUE(EntryMatches(entry, "  good   FAVOURABLE "));
    EXPECT_TRUE(EntryMatches(entry, "tower"));
    EXPECT_FALSE(EntryMatches(entry, "harvest unfavourable"));
    EXPECT_FALSE(EntryMatches(entry, "Ann"));
}

// A search word matches where a word of the entry begins, so that an answer
// is not found inside its opposite.
TEST(Journal, SearchWordsMatchFromTheStartOfAWord) {
    const TJournalEntry good = Entry("Rain?", TOutcome::Favourable, "");
    const TJournalEntry bad = Entry("Rain?", TOutcome::Unfavourable, "");
    const struct {
        const char* query;
        bool findsGood, findsBad;
    } cases[] = {
        {"favourable", true, false}, {"unfavourable", false, true}, {"FAVOUR", true, false},
        {"rain", true, true},        {"ain", false, false},         {"(rain", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EntryMatches(good, c.query), c.findsGood) << c.query;
        EXPECT_EQ(EntryMatches(bad, c.query), c.findsBad) << c.query;
    }
}

TEST(Journal, ExportsKeepAwkwardTextIntact) {
    const std::vector<TJournalEntry> entries = {
        Entry("Is \"yes\", or no?\nNext", TOutcome::Unfinished, "a,b\n```\nc"),
        Entry("*Rain* # [soon]", TOutcome::Favourable, "")};
    const std::string csv = ExportCsv(entries);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
              "asked,question,questioner,element,ptah,players,outcome,analysis,note,saved game");
    EXPECT_NE(csv.find("\"Is \"\"yes\"\", or no?\nNext\""), std::string::npos);
    EXPECT_NE(csv.find(",\"unfinished\",\"a,b\n```\nc\","), std::string::npos);

    const std::string markdown = ExportMarkdown(entries);
    EXPECT_NE(markdown.find("## \\*Rain\\* \\# \\[soon\\]\n"), std::string::npos);
    EXPECT_NE(markdown.find("- Answer: **Favourable**"), std::string::npos);
    EXPECT_NE(markdown.find("```text\na,b\n` ``\nc\n```\n"), std::string::npos);
    EXPECT_NE(markdown.find("- Dr Aldous Fenn: Water \\(blue\\)"), std::string::npos);
}

// A question or name from someone else's saved game never becomes a formula
// in a spreadsheet; the same text elsewhere in a field stays as it was.
TEST(Journal, CsvFieldsThatWouldBeFormulasStayText) {
    const struct {
        std::string field;
        std::string written;
    } cases[] = {
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+1", "\"'+1\""},
        {"-2+3", "\"'-2+3\""},
        {"@SUM(A1)", "\"'@SUM(A1)\""},
        {"\t=1", "\"'\t=1\""},
        {"\r=1", "\"'\r=1\""},
        {"a=1", "\"a=1\""},
        {"", "\"\""},
    };
    for (const auto& c : cases) {
        TJournalEntry entry;
        entry.question = c.field;
        const std::string csv = ExportCsv({entry});
        const std::string row = csv.substr(csv.find("\r\n") + 2);
        EXPECT_EQ(row.substr(row.find(',') + 1, c.written.size()), c.written) << c.field;
    }
}

// The analysis file wraps at a blank; the reading shows whole paragraphs.
TEST(Journal, AnalysisFlowsAgainAsWrittenBeforeTheWrap) {
    const std::string written =
        "KING of WANDS. The Lord of the Flame and the Lightning, the fiery part of Fire. Active, "
        "generous, fierce, sudden and impetuous. Ill dignified: cruel, bigoted and brutal.\n\n"
        "Sol. SORATH. The Sun.\n\nFORTUNA MAJOR. Greater fortune; Leo, ruled by the Sun. Great "
        "good luck and inward strength.";
    for (const std::size_t width : {60u, 80u}) {
        const std::string wrapped = WrapReadingText(written, width);
        ASSERT_NE(wrapped, written);
        EXPECT_EQ(FlowingText(wrapped), written) << width;
    }
    EXPECT_EQ(FlowingText("one\r\ntwo\r\n\r\nthree\n"), "one two\n\nthree\n");
}

}  // namespace
}  // namespace vaeloric
