// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/square.h"

namespace vaeloric {

inline constexpr const char* kCaptionPrefix = "VAELORIC CHESS - ";
inline constexpr const char* kDemonstrationCaption = "VAELORIC CHESS";
inline constexpr std::size_t kMaxNameLength = 24;
inline constexpr std::size_t kMaxQuestionLength = 238;
inline constexpr std::size_t kMaxCaptionLength = 255;

// Cuts text to at most maxBytes bytes without splitting a UTF-8 character.
void CutAtCharacter(std::string& text, std::size_t maxBytes);

// Player codes: 1 human, 2..8 the seven computer opponents, 9 the Seer.
enum PlayerCode : std::int32_t { Human = 1 };

// Who plays and what was asked; one per game.
struct TSetUpRecord {
    TSquare ptah;                         // {0, 0} until the argument, a dialog or a file names it
    char boardLetter = '\0';              // '\0' until known
    std::string questionerName;           // seat 1, at most 24 characters
    std::array<std::string, 5> seatName;  // seats 2..4; 0 and 1 unused
    std::string caption;                  // "VAELORIC CHESS - " + question
    std::array<std::int32_t, 5> seatCode{0, 0, 0, 0, 0};  // seats 2..4

    // The question: the caption from its 18th character on.
    std::string Question() const;
};

// The player code of a seat letter (h f o r c i a q, and s for the Seer), 0
// for any other.
std::int32_t PlayerCodeOfLetter(char letter);
// The seat letter of a player code 1..9, '\0' for any other.
char LetterOfPlayerCode(std::int32_t code);
// The shown name of a computer opponent 2..9; empty for other codes.
const char* OpponentName(std::int32_t code);

// Board names used in messages: "Water " and "Water board." for 'W'.
const char* BoardName(char boardLetter);
const char* BoardNameLong(char boardLetter);

}  // namespace vaeloric
