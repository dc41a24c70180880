// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/question_form.h"

#include <utility>

#include "flow/command_line.h"
#include "flow/seats.h"
#include "flow/setup_record.h"

namespace vaeloric {

std::string CheckFieldText(const std::string& text, const char* what, std::size_t limit) {
    const std::string field(what);
    if (text.find("^@") != std::string::npos)
        return field +
               " may not contain ^ directly followed by @: the board program would "
               "read it as the end of the field.";
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) return field + " may not contain line breaks or tabs.";
    }
    if (text.size() > limit)
        return field + " is too long: at most " + std::to_string(limit) +
               " bytes (letters outside A to Z take two to four).";
    return {};
}

namespace {
bool Blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}
}  // namespace

TFormProblem CheckQuestionText(const std::string& question) {
    std::string problem = CheckFieldText(question, "The question", kMaxQuestionLength);
    if (problem.empty()) return {};
    return {TFormProblemKind::QuestionText, std::move(problem)};
}

TFormProblem FindFormProblem(const TQuestionForm& form) {
    using enum TFormProblemKind;
    if (Blank(form.question)) return {NoQuestion, "You must enter a question."};
    if (TFormProblem problem = CheckQuestionText(form.question); problem.Found()) return problem;
    if (Blank(form.questionerName))
        return {QuestionerName, "Please enter your name as the Questioner."};
    if (std::string problem = CheckFieldText(form.questionerName, "Your name", kMaxNameLength);
        !problem.empty())
        return {QuestionerName, std::move(problem)};
    for (int seat = 2; seat <= 4; ++seat) {
        const TSeatChoice& choice = form.seats[seat];
        const std::string which = "Player " + std::to_string(seat);
        if (!SeatOffersPlayer(seat, choice.code))
            return {Seat, which + " cannot be " + PlayerName(choice) + " in this seat."};
        if (choice.remote && choice.code != Human)
            return {Seat, which + " over the network must be a human player."};
        if (choice.code != Human) continue;
        if (Blank(choice.name))
            return {Seat, "Please enter a name for player " + std::to_string(seat) + "."};
        const std::string field = which + "'s name";
        if (std::string problem = CheckFieldText(choice.name, field.c_str(), kMaxNameLength);
            !problem.empty())
            return {Seat, std::move(problem)};
    }
    if (form.ptah.Chosen() && IsCornerSquare(form.ptah.rank, form.ptah.file))
        return {PtahSquare, "The Ptah square cannot be a corner square. Choose another square."};
    return {};
}

std::string CheckQuestionForm(const TQuestionForm& form) {
    return FindFormProblem(form).sentence;
}

TPtahChoice ThrowPtahSquare(std::mt19937& dice) {
    std::uniform_int_distribution<int> square(0, 63);
    for (;;) {
        const int n = square(dice);
        const TPtahChoice choice{n / 8 + 1, n % 8 + 1};
        if (!IsCornerSquare(choice.rank, choice.file)) return choice;
    }
}

std::string ComposeLauncherArgument(const TQuestionForm& form, TPtahChoice square) {
    const char letter = ElementInfo(form.element).boardLetter;
    std::string argument;
    argument += static_cast<char>('0' + square.rank);
    argument += static_cast<char>('0' + square.file);
    argument += letter;
    argument += form.question + "^@" + form.questionerName + "^@";
    for (int seat = 2; seat <= 4; ++seat) {
        const TSeatChoice& choice = form.seats[seat];
        argument += LetterOfPlayerCode(choice.code);
        if (choice.code == Human) argument += choice.name + "^@";
    }
    return argument;
}

std::string PlayerName(const TSeatChoice& seat) {
    if (seat.code != Human) return OpponentName(seat.code);
    std::string name = seat.name;  // as the board program will show it
    FoldNameCase(name);
    return name;
}

std::vector<TSeatLine> SeatLines(const TQuestionForm& form, TPtahChoice square) {
    TSetUpRecord record;
    record.ptah = TSquare{square.rank, square.file};
    record.boardLetter = ElementInfo(form.element).boardLetter;
    const TSeatArmies armies = SeatArmies(record);
    std::vector<TSeatLine> lines;
    lines.push_back({1, armies.army[1], PlayerName(TSeatChoice{Human, form.questionerName})});
    for (int seat = 2; seat <= 4; ++seat)
        lines.push_back({seat, armies.army[seat], PlayerName(form.seats[seat])});
    return lines;
}

std::vector<int> RemoteSeats(const TQuestionForm& form) {
    std::vector<int> seats;
    for (int seat = 2; seat <= 4; ++seat)
        if (form.seats[seat].remote) seats.push_back(seat);
    return seats;
}

}  // namespace vaeloric
