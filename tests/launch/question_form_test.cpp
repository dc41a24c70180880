// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/question_form.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "flow/command_line.h"

namespace vaeloric {
namespace {

// Text a user might type: letters, blanks, punctuation, carets and at signs
// on their own, accents, Greek and emoji.
std::string RandomText(std::mt19937& random, std::size_t maxBytes) {
    static const std::vector<std::string> pieces = {"a", "Z",  " ",    "?",    "^", "@",
                                                    "*", "\"", "'",    "\\",   "%", "é",
                                                    "Ω", "ß",  "🙂", "ANNA", "x^"};
    std::string text;
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    const std::size_t target = std::uniform_int_distribution<std::size_t>(1, maxBytes)(random);
    while (text.size() < target) {
        const std::string& piece = pieces[pick(random)];
        if (text.size() + piece.size() > maxBytes) break;
        // "^" then "@" would make the separator: never offered together.
        if (!text.empty() && text.back() == '^' && piece[0] == '@') continue;
        text += piece;
    }
    return text.find_first_not_of(' ') == std::string::npos ? "q" : text;
}

std::string Folded(std::string name) {
    FoldNameCase(name);
    return name;
}

// What the board program reads back must be what was asked.
void ExpectRoundTrip(const TQuestionForm& form, TPtahChoice square) {
    ASSERT_EQ(CheckQuestionForm(form), "");
    const char letter = ElementInfo(form.element).boardLetter;
    TSetUpRecord record;
    ParseLauncherArgument(ComposeLauncherArgument(form, square), letter, record);
    EXPECT_EQ(CheckLauncherRecord(record), "");
    EXPECT_EQ(record.ptah.rank, square.rank);
    EXPECT_EQ(record.ptah.file, square.file);
    EXPECT_EQ(record.boardLetter, letter);
    EXPECT_EQ(record.Question(), form.question);
    EXPECT_EQ(record.questionerName, Folded(form.questionerName));
    for (int seat = 2; seat <= 4; ++seat) {
        EXPECT_EQ(record.seatCode[seat], form.seats[seat].code) << "seat " << seat;
        if (form.seats[seat].code == Human) {
            EXPECT_EQ(record.seatName[seat], Folded(form.seats[seat].name));
        }
    }
}

TEST(LauncherArgument, RandomFormsSurviveTheBoardProgramsParser) {
    std::mt19937 random(2026);
    const std::int32_t seatCodes[5][7] = {
        {}, {}, {1, 2, 3, 4, 5, 6, 7}, {1, 8, 1, 8, 1, 8, 1}, {1, 2, 3, 4, 5, 6, 7}};
    for (int round = 0; round < 3000; ++round) {
        TQuestionForm form;
        form.question = RandomText(random, 238);
        form.questionerName = RandomText(random, 24);
        form.element = kQuestionElements[round % 4];
        for (int seat = 2; seat <= 4; ++seat) {
            form.seats[seat].code = seatCodes[seat][random() % 7];
            form.seats[seat].name = RandomText(random, 24);
        }
        const TPtahChoice square = ThrowPtahSquare(random);
        SCOPED_TRACE(ComposeLauncherArgument(form, square));
        ExpectRoundTrip(form, square);
        if (HasFailure()) break;
    }
}

TEST(LauncherArgument, LimitsAreBytesAndWholeLettersFitExactly) {
    TQuestionForm form;
    form.question = std::string(236, 'q') + "é";          // 238 bytes
    form.questionerName = std::string(20, 'n') + "🙂";  // 24 bytes
    form.seats[2] = {Human, std::string(22, 'b') + "Ω"};
    form.seats[3] = {8, ""};
    form.seats[4] = {Human, std::string(24, 'D')};
    ExpectRoundTrip(form, {1, 2});

    form.question += "x";
    EXPECT_NE(CheckQuestionForm(form).find("too long"), std::string::npos);
    form.question.resize(238);
    form.seats[4].name += "e";
    EXPECT_NE(CheckQuestionForm(form).find("Player 4's name is too long"), std::string::npos);
}

TEST(QuestionForm, EveryRefusalIsOneSentence) {
    const auto base = [] {
        TQuestionForm form;
        form.question = "Will it rain?";
        form.questionerName = "Ann";
        form.seats[2] = {2, ""};
        form.seats[3] = {1, "Bob"};
        form.seats[4] = {3, ""};
        return form;
    };
    struct TCase {
        void (*change)(TQuestionForm&);
        const char* startOfSentence;
    } cases[] = {
        {[](TQuestionForm& f) { f.question.clear(); }, "You must enter a question."},
        {[](TQuestionForm& f) { f.question = "   "; }, "You must enter a question."},
        {[](TQuestionForm& f) { f.question = "Rain^@tomorrow?"; },
         "The question may not contain ^"},
        {[](TQuestionForm& f) { f.question = "Rain\ttomorrow?"; },
         "The question may not contain line"},
        {[](TQuestionForm& f) { f.questionerName.clear(); }, "Please enter your name"},
        {[](TQuestionForm& f) { f.questionerName = "A^@"; }, "Your name may not contain ^"},
        {[](TQuestionForm& f) { f.seats[3].name.assign(2, ' '); },
         "Please enter a name for player 3."},
        {[](TQuestionForm& f) { f.seats[3].name = "B\nob"; },
         "Player 3's name may not contain line"},
        {[](TQuestionForm& f) { f.seats[3].code = 2; }, "Player 3 cannot be Dr Aldous Fenn"},
        {[](TQuestionForm& f) { f.seats[2].code = 8; }, "Player 2 cannot be Varro Quillane"},
        {[](TQuestionForm& f) { f.seats[4].code = 0; }, "Player 4 cannot be"},
        {[](TQuestionForm& f) {
             f.ptah = {8, 1};
         },
         "The Ptah square cannot be a corner"},
    };
    EXPECT_EQ(CheckQuestionForm(base()), "");
    for (const TCase& test : cases) {
        TQuestionForm form = base();
        test.change(form);
        EXPECT_EQ(CheckQuestionForm(form).rfind(test.startOfSentence, 0), 0u)
            << CheckQuestionForm(form);
    }
    // A caret or an at sign alone is plain text.
    TQuestionForm form = base();
    form.question = "x^ or @y^";
    form.seats[3].name = "^Bob^";
    ExpectRoundTrip(form, {2, 1});
}

TEST(PtahSquare, DiceNeverChooseACornerAndReachEveryOtherSquare) {
    std::mt19937 dice(5);
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 5000; ++i) {
        const TPtahChoice square = ThrowPtahSquare(dice);
        ASSERT_FALSE(IsCornerSquare(square.rank, square.file));
        seen.insert({square.rank, square.file});
    }
    EXPECT_EQ(seen.size(), 60u);
}

TEST(SeatLines, QuadrantDecidesTheArmies) {
    TQuestionForm form;
    form.questionerName = "ANN";
    form.seats[2] = {2, ""};
    form.seats[3] = {1, "bob SMITH"};
    form.seats[4] = {7, ""};
    const std::vector<TSeatLine> rankFourFileE = SeatLines(form, {4, 5});
    const std::vector<TSeatLine> rankFiveFileD = SeatLines(form, {5, 4});
    const int armiesE[] = {1, 2, 3, 4};
    const int armiesD[] = {3, 4, 1, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rankFourFileE[i].army, armiesE[i]);
        EXPECT_EQ(rankFiveFileD[i].army, armiesD[i]);
    }
    EXPECT_EQ(rankFourFileE[0].player, "Ann");
    EXPECT_EQ(rankFourFileE[1].player, "Dr Aldous Fenn");
    EXPECT_EQ(rankFourFileE[2].player, "bob Smith");
    EXPECT_EQ(rankFourFileE[3].player, "H. Tarrant Bell");
}

}  // namespace
}  // namespace vaeloric
