// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/pictures/square_lore.h"

#include "game/board.h"
#include "reading/move_reading.h"

namespace vaeloric::art {
namespace {

using E = TElement;

constexpr TSquareLore kGroups[16] = {
    {0, 9, E::Earth, "CAPRICORN", "XV", "THE DEVIL", "CARCER", {1, 2, 2, 1}},
    {1, 10, E::Air, "AQUARIUS", "XVII", "STAR", "TRISTITIA", {2, 2, 2, 1}},
    {2, 11, E::Water, "PISCES", "XVIII", "MOON", "LAETITIA", {1, 2, 2, 2}},
    {3, 0, E::Fire, "ARIES", "IV", "THE EMPEROR", "PUER", {1, 1, 2, 1}},
    {4, 1, E::Earth, "TAURUS", "V", "POPE", "AMISSIO", {1, 2, 1, 2}},
    {5, 2, E::Air, "GEMINI", "VI", "THE LOVERS", "ALBUS", {2, 2, 1, 2}},
    {6, 3, E::Water, "CANCER", "VII", "CHARIOT", "POPULUS", {2, 2, 2, 2}},
    {7, 4, E::Fire, "LEO", "VIII", "STRENGTH", "FORTUNA MAJOR", {2, 2, 1, 1}},
    {8, 5, E::Earth, "VIRGO", "IX", "THE HERMIT", "CONJUNCTIO", {2, 1, 1, 2}},
    {9, 6, E::Air, "LIBRA", "XI", "JUSTICE", "PUELLA", {1, 2, 1, 1}},
    {10, -1, E::Air, "AIR", "XIII", "DEATH", "RUBEUS", {2, 1, 2, 2}},
    {11, 8, E::Fire, "SAGITTARIUS", "XIV", "TEMPERANCE", "ACQUISITIO", {2, 1, 2, 1}},
    {12, -1, E::Earth, "EARTH", "XXI", "WORLD", "CAPUT DRACONIS", {2, 1, 1, 1}},
    {13, -1, E::Air, "AIR", "0", "THE FOOL", "FORTUNA MINOR", {1, 1, 2, 2}},
    {14, -1, E::Water, "WATER", "XII", "HANGED MAN", "VIA", {1, 1, 1, 1}},
    {15, -1, E::Fire, "FIRE", "XX", "JUDGEMENT", "CAUDA DRACONIS", {1, 1, 1, 2}},
};

}  // namespace

TElement BoardElement(char letter) {
    switch (letter) {
        case 'W':
            return E::Water;
        case 'A':
            return E::Air;
        case 'F':
            return E::Fire;
        default:
            return E::Earth;
    }
}

TElement QuarterElement(int rank, int file) {
    if (rank <= 4) return file >= 5 ? E::Fire : E::Earth;
    return file >= 5 ? E::Water : E::Air;
}

const TSquareLore& LoreOf(char letter, int rank, int file) {
    // A square's pictures show the correspondences whose network inputs it
    // sets (on the Fire and Earth boards B6 and C6 swap them with their
    // sentence groups).
    const int elementCode = ElementCodeOfLetter(letter);
    if (elementCode == 0 || !OnBoard(rank, file)) return kGroups[0];
    return kGroups[InputGroup(elementCode, rank, file)];
}

const char* ElementName(TElement element) {
    switch (element) {
        case E::Fire:
            return "FIRE";
        case E::Earth:
            return "EARTH";
        case E::Air:
            return "AIR";
        case E::Water:
            return "WATER";
    }
    return "";
}

}  // namespace vaeloric::art
