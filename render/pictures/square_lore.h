// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vaeloric::art {

// The four elements, in army order: Fire 1, Earth 2, Air 3, Water 4.
enum class TElement { Fire = 1, Earth = 2, Air = 3, Water = 4 };

// What a square stands for in the readings, for drawing its pictures.
struct TSquareLore {
    int group;         // aspect group 0..15 whose correspondences it carries
    int zodiacSign;    // 0 Aries .. 11 Pisces, or -1 for an element group
    TElement element;  // the sign's element, or the group's own
    const char* signName;
    const char* trumpNumeral;
    const char* trumpName;
    const char* figureName;
    int figureRows[4];  // geomantic figure, top row first: 1 or 2 points
};

// The board element of a program (W Water, A Air, E Earth, F Fire).
TElement BoardElement(char letter);

// The element of the home quarter that holds the square (the army whose
// corner it is).
TElement QuarterElement(int rank, int file);

// The correspondences of a square on this board's layout.
const TSquareLore& LoreOf(char letter, int rank, int file);

const char* ElementName(TElement element);

}  // namespace vaeloric::art
