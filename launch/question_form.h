// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

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
};

// Everything the question page asks.
struct TQuestionForm {
    std::string question;
    std::string questionerName;
    TQuestionElement element = TQuestionElement::Fire;
    std::array<TSeatChoice, 5> seats;  // seats 2..4; 0 and 1 unused
    TPtahChoice ptah;
};

// The first thing that stops the form from starting a game, as one
// sentence for the page, or an empty string. Limits are in bytes of UTF-8,
// as the board program counts them.
std::string CheckQuestionForm(const TQuestionForm& form);

// Why one text field cannot be passed on, or an empty string: control
// characters, the separator "^@", more than `limit` bytes.
std::string CheckFieldText(const std::string& text, const char* what, std::size_t limit);

bool IsCornerSquare(int rank, int file);

// A Ptah square as the dice choose it: any square but the four corners.
TPtahChoice ThrowPtahSquare(std::mt19937& dice);

// "C3" for rank 3, file C.
std::string SquareName(int rank, int file);

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

// The shown name of a seat's player: the name for a human, else the
// opponent's name.
std::string PlayerName(const TSeatChoice& seat);

}  // namespace vaeloric
