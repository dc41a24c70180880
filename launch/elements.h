// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string>

namespace vaeloric {

// The element of a question decides the board it is played on.
enum class TQuestionElement { Fire, Water, Air, Earth };

inline constexpr std::array<TQuestionElement, 4> kQuestionElements = {
    TQuestionElement::Fire, TQuestionElement::Water, TQuestionElement::Air,
    TQuestionElement::Earth};

struct TElementInfo {
    TQuestionElement element;
    const char* name;     // "Fire"
    char boardLetter;     // 'F'
    const char* program;  // "ignisel"
    const char* matters;  // two or three lines on what the element governs
    const char* colour;   // "#rrggbb" for the answer in large type
};

const TElementInfo& ElementInfo(TQuestionElement element);

// The element of a board letter (W, A, E, F); false for any other letter.
bool ElementOfBoardLetter(char boardLetter, TQuestionElement& element);

// Stable key for settings and the journal ("fire") and back; Fire for an
// unknown key.
std::string ElementKey(TQuestionElement element);
TQuestionElement ElementFromKey(const std::string& key);

// Army names as the board shows them: 1 "Fire (red)", 2 "Earth (black)",
// 3 "Air (yellow)", 4 "Water (blue)".
std::string ArmyLabel(int army);

}  // namespace vaeloric
