// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The vocabulary of the saved-game file, shared by its writer and reader.

namespace vaeloric::saved_game {

enum class TSection {
    None,
    Status,
    User,
    User2,
    User3,
    User4,
    Analysis,
    NextPlayer,
    Checkmate,
    OnPtah,
    BoardState
};

struct THeader {
    const char* text;
    TSection section;
};

inline constexpr THeader kHeaders[10] = {
    {"[STATUS]", TSection::Status},         {"[USER]", TSection::User},
    {"[USER2]", TSection::User2},           {"[USER3]", TSection::User3},
    {"[USER4]", TSection::User4},           {"[ANALYSIS]", TSection::Analysis},
    {"[NEXTPLAYER]", TSection::NextPlayer}, {"[CHECKMATE]", TSection::Checkmate},
    {"[ONPTAH]", TSection::OnPtah},         {"[BOARDSTATE]", TSection::BoardState},
};

// Armies 1..4; index 0 unused.
inline constexpr const char* kColourWords[5] = {"", "red", "black", "yellow", "blue"};
inline constexpr char kArmyLetters[5] = {'\0', 'R', 'B', 'Y', 'G'};
// Piece kinds 1..10; index 0 (empty) has none.
inline constexpr char kKindLetters[11] = {'\0', 'X', 'T', 'M', 'P', 'S', 'H', 'E', 'R', 'B', '2'};

inline constexpr const char* kEmptyCell = "|  ";

// The army of a cell code's army letter, 0 for any other.
constexpr std::int32_t ArmyOfLetter(char letter) {
    for (int army = 1; army <= 4; ++army)
        if (kArmyLetters[army] == letter) return army;
    return 0;
}

// The kind of a cell code's kind letter, 0 for any other.
constexpr std::int32_t KindOfLetter(char letter) {
    for (int kind = 1; kind <= 10; ++kind)
        if (kKindLetters[kind] == letter) return kind;
    return 0;
}

}  // namespace vaeloric::saved_game
