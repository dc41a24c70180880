// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/elements.h"

#include <cctype>

namespace vaeloric {

namespace {

constexpr TElementInfo kInfo[4] = {
    {TQuestionElement::Fire, "Fire", 'F', "ignisel",
     "Will, ambition and courage; work, rivalry and quarrels.\n"
     "Ask Fire about an enterprise, a conflict or a new beginning.",
     "#c0392b"},
    {TQuestionElement::Water, "Water", 'W', "marisel",
     "Love, friendship and the family; dreams and feelings.\n"
     "Ask Water about a heart, a home or a reconciliation.",
     "#1f5fa8"},
    {TQuestionElement::Air, "Air", 'A', "ventisel",
     "Thought, news and learning; letters, journeys and contracts.\n"
     "Ask Air about a decision, an examination or a message awaited.",
     "#b8860b"},
    {TQuestionElement::Earth, "Earth", 'E', "terrasel",
     "Money, property and health; patient work and its reward.\n"
     "Ask Earth about a purchase, a harvest or the body.",
     "#3d6b35"},
};

}  // namespace

const TElementInfo& ElementInfo(TQuestionElement element) {
    return kInfo[static_cast<int>(element)];
}

bool ElementOfBoardLetter(char boardLetter, TQuestionElement& element) {
    for (const TElementInfo& info : kInfo) {
        if (info.boardLetter == boardLetter) {
            element = info.element;
            return true;
        }
    }
    return false;
}

std::string ElementKey(TQuestionElement element) {
    // The element's name in lower case: "fire", "water", "air", "earth".
    std::string key = ElementInfo(element).name;
    for (char& letter : key)
        letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    return key;
}

TQuestionElement ElementFromKey(const std::string& key) {
    for (TQuestionElement element : kQuestionElements)
        if (ElementKey(element) == key) return element;
    return TQuestionElement::Fire;
}

std::string ArmyLabel(int army) {
    switch (army) {
        case 1:
            return "Fire (red)";
        case 2:
            return "Earth (black)";
        case 3:
            return "Air (yellow)";
        case 4:
            return "Water (blue)";
        default:
            return "?";
    }
}

}  // namespace vaeloric
