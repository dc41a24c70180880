// SPDX-License-Identifier: GPL-3.0-or-later

// What the launcher passes on and keeps for a game: the limits of the form's
// fields as the board program reads them, the Ptah square's corners, and the
// journal entry of a new or a continued game.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "flow/command_line.h"
#include "flow/saved_game.h"
#include "flow/seats.h"
#include "launch/game_request.h"
#include "launch/question_form.h"

namespace vaeloric {
namespace {

namespace fs = std::filesystem;

TQuestionForm AllHumanForm() {
    TQuestionForm form;
    form.question = "Will it rain?";
    form.questionerName = "Ann";
    form.seats[2] = {Human, "Bob"};
    form.seats[3] = {Human, "Cid"};
    form.seats[4] = {Human, "Dee"};
    return form;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A name the form accepts reaches the board program whole; a longer one is
// refused by the form, not cut short later.
TEST(FormLimits, EveryNameTheFormAcceptsReachesTheBoardWhole) {
    const struct {
        std::string name;
        bool accepted;
    } rows[] = {
        {std::string(24, 'n'), true},           {std::string(25, 'n'), false},
        {std::string(22, 'n') + "é", true},   // 24 bytes
        {std::string(23, 'n') + "é", false},  // 25 bytes
        {std::string(21, 'n') + "🙂", false}, {std::string(60, 'n'), false},
        {std::string(238, 'n'), false},
    };
    for (const auto& row : rows) {
        for (int seat = 1; seat <= 4; ++seat) {
            TQuestionForm form = AllHumanForm();
            (seat == 1 ? form.questionerName : form.seats[seat].name) = row.name;
            const std::string problem = CheckQuestionForm(form);
            SCOPED_TRACE("seat " + std::to_string(seat) + ", " + std::to_string(row.name.size()) +
                         " bytes");
            if (!row.accepted) {
                EXPECT_NE(problem.find("is too long: at most 24 bytes"), std::string::npos)
                    << problem;
                continue;
            }
            ASSERT_EQ(problem, "");
            TSetUpRecord record;
            ParseLauncherArgument(ComposeLauncherArgument(form, {4, 5}), 'W', record);
            EXPECT_EQ(CheckLauncherRecord(record), "");
            std::string folded = row.name;
            FoldNameCase(folded);
            EXPECT_EQ(seat == 1 ? record.questionerName : record.seatName[seat], folded);
        }
    }
}

// The page clears a refusal by its kind once typing has mended it: each
// refusal says what it is about.
TEST(FormLimits, EachRefusalSaysWhatItIsAbout) {
    using enum TFormProblemKind;
    const struct {
        void (*change)(TQuestionForm&);
        TFormProblemKind kind;
    } rows[] = {
        {[](TQuestionForm&) {}, None},
        {[](TQuestionForm& f) { f.question = "  "; }, NoQuestion},
        {[](TQuestionForm& f) { f.question = "Rain^@?"; }, QuestionText},
        {[](TQuestionForm& f) { f.question = "Rain\n?"; }, QuestionText},
        {[](TQuestionForm& f) { f.question.assign(239, 'q'); }, QuestionText},
        {[](TQuestionForm& f) { f.questionerName.clear(); }, QuestionerName},
        {[](TQuestionForm& f) { f.questionerName.assign(25, 'n'); }, QuestionerName},
        {[](TQuestionForm& f) { f.seats[3].code = 2; }, Seat},
        {[](TQuestionForm& f) { f.seats[4].name.assign(25, 'n'); }, Seat},
        {[](TQuestionForm& f) {
             f.ptah = {1, 8};
         },
         PtahSquare},
    };
    for (const auto& row : rows) {
        TQuestionForm form = AllHumanForm();
        row.change(form);
        const TFormProblem problem = FindFormProblem(form);
        EXPECT_EQ(problem.kind, row.kind) << problem.sentence;
        EXPECT_EQ(problem.sentence, CheckQuestionForm(form));
        EXPECT_EQ(problem.sentence.empty(), row.kind == None) << problem.sentence;
        // Only a fault of the question's text is found by the text alone.
        EXPECT_EQ(CheckQuestionText(form.question).Found(), row.kind == QuestionText)
            << problem.sentence;
    }
}

// The four corners by name, not by the rule that is under test.
TEST(FormLimits, OnlyTheFourCornersAreRefusedAndTheDiceReachAllOtherSquares) {
    const std::set<std::pair<int, int>> corners = {{1, 1}, {1, 8}, {8, 1}, {8, 8}};
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const bool corner = corners.count({rank, file}) != 0;
            TQuestionForm form = AllHumanForm();
            form.ptah = {rank, file};
            EXPECT_EQ(
                CheckQuestionForm(form),
                corner ? "The Ptah square cannot be a corner square. Choose another square." : "")
                << SquareName(TSquare{rank, file});
        }
    }
    std::mt19937 dice(11);
    std::set<std::pair<int, int>> thrown;
    for (int i = 0; i < 3000; ++i) {
        const TPtahChoice square = ThrowPtahSquare(dice);
        ASSERT_TRUE(square.rank >= 1 && square.rank <= 8 && square.file >= 1 && square.file <= 8);
        ASSERT_EQ(corners.count({square.rank, square.file}), 0u)
            << SquareName(TSquare{square.rank, square.file});
        thrown.insert({square.rank, square.file});
    }
    EXPECT_EQ(thrown.size(), 60u);
}

// The journal's seat lines: the Questioner's own line, and only it, says
// who moves first.
TEST(JournalEntry, TheQuestionerMovesFirstOnTheQuestionersLine) {
    for (const TPtahChoice square :
         {TPtahChoice{4, 5}, TPtahChoice{5, 4}, TPtahChoice{2, 7}, TPtahChoice{7, 2}}) {
        const TQuestionForm form = AllHumanForm();
        const TGameRequest request = QuestionRequest(form, square, "now");
        TSetUpRecord record;
        ParseLauncherArgument(request.arguments.at(0), 'F', record);
        const std::int32_t questionersArmy = SeatArmies(record).army[1];
        const std::vector<std::string> lines = LinesOf(request.entry.players);
        ASSERT_EQ(lines.size(), 4u);
        int marked = 0;
        for (const std::string& line : lines) {
            if (line.find("the Questioner, moves first") == std::string::npos) continue;
            ++marked;
            EXPECT_EQ(line, "Ann: " + ArmyLabel(questionersArmy) + ", the Questioner, moves first");
        }
        EXPECT_EQ(marked, 1) << request.entry.players;
        EXPECT_EQ(request.entry.ptahSquare, SquareName(TSquare{square.rank, square.file}));
    }
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Continuing a saved game: the entry names the file's own Ptah square and
// its army to move as the Questioner's. The set-ups cover every square but
// the corners, so a swapped rank and file shows.
TEST(JournalEntry, AContinuedGameKeepsItsSquareAndItsFirstMover) {
    const fs::path setUps = fs::path(VAELORIC_SAMPLES_DIR) / "tables" / "setups";
    int games = 0;
    for (const auto& file : fs::directory_iterator(setUps)) {
        const std::string name = file.path().stem().string();  // B-SQ
        if (name[0] != 'E') continue;                          // one board is enough
        TGameRequest request;
        ASSERT_EQ(SavedGameRequest(file.path().string(), "now", request), "") << name;
        EXPECT_EQ(request.entry.ptahSquare, name.substr(2)) << name;
        EXPECT_EQ(request.entry.element, "Earth");
        TSavedGame game;
        ASSERT_TRUE(ParseSavedGame(ReadBytes(file.path()), kAnyBoard, game).Loaded());
        const std::vector<std::string> lines = LinesOf(request.entry.players);
        ASSERT_EQ(lines.size(), 4u) << name;
        EXPECT_EQ(lines[0], "(no name): " + ArmyLabel(game.board.armyToMove) +
                                ", the Questioner, moves first")
            << name;
        ++games;
    }
    EXPECT_EQ(games, 60);
}

}  // namespace
}  // namespace vaeloric
