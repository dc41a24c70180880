// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "game/square.h"
#include "launch/elements.h"

namespace vaeloric {

// A Ptah square; rank 0 means "let the dice choose".
struct TPtahChoice {
    int rank = 0;  // 1..8
    int file = 0;  // 1..8 for A..H
    bool Chosen() const { return rank != 0; }
    friend bool operator==(const TPtahChoice&, const TPtahChoice&) = default;
};

struct TSeatChoice {
    std::int32_t code = 2;  // 1 human, 2..8 the opponents
    std::string name;       // for a human seat
    // A human who plays this seat from another screen, in a game this
    // launcher hosts (the code is then the human's).
    bool remote = false;
};

// Everything the question page asks.
struct TQuestionForm {
    std::string question;
    std::string questionerName;
    TQuestionElement element = TQuestionElement::Fire;
    std::array<TSeatChoice, 5> seats;  // seats 2..4; 0 and 1 unused
    TPtahChoice ptah;
};

// What a refusal of the form is about. Only a fault in the question's text
// comes from typing alone, and typing mends it.
enum class TFormProblemKind { None, NoQuestion, QuestionText, QuestionerName, Seat, PtahSquare };

struct TFormProblem {
    TFormProblemKind kind = TFormProblemKind::None;
    std::string sentence;  // one sentence for the page; empty when there is none
    bool Found() const { return kind != TFormProblemKind::None; }
};

// The first thing that stops the form from starting a game. Limits are in
// bytes of UTF-8, as the board program counts them.
TFormProblem FindFormProblem(const TQuestionForm& form);
// The same as its sentence, or an empty string.
std::string CheckQuestionForm(const TQuestionForm& form);

// A fault in the question's text (a QuestionText problem), or none.
TFormProblem CheckQuestionText(const std::string& question);

// Why one text field cannot be passed on, or an empty string: control
// characters, the separator "^@", more than `limit` bytes.
std::string CheckFieldText(const std::string& text, const char* what, std::size_t limit);

// A Ptah square as the dice choose it: any square but the four corners.
TPtahChoice ThrowPtahSquare(std::mt19937& dice);

// The one argument of the board program for a checked form and a chosen
// square: <rank><file><letter><question>^@<name>^@<seat 2>[<name>^@]...
std::string ComposeLauncherArgument(const TQuestionForm& form, TPtahChoice square);

// Who leads which army for a Ptah square: seat 1..4 and its army.
struct TSeatLine {
    int seat = 0;
    int army = 0;
    std::string player;  // the typed name or the opponent's shown name
};
std::vector<TSeatLine> SeatLines(const TQuestionForm& form, TPtahChoice square);

// The seats 2..4 played from other screens; a form with any is a hosted game.
std::vector<int> RemoteSeats(const TQuestionForm& form);

// The shown name of a seat's player: the name for a human, else the
// opponent's name.
std::string PlayerName(const TSeatChoice& seat);

}  // namespace vaeloric
