#include "render/pictures/square_lore.h"

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

// Aspect groups, rows rank 8 down to 1, files A to H. Air and Water boards
// use the first layout, Fire and Earth the second.
// clang-format off
constexpr unsigned char kLayoutA[8][8] = {
    {13, 14, 15, 12,  7,  4,  1, 10},
    { 9,  6,  3,  0, 11,  8,  5,  2},
    { 1, 10,  7,  4, 15, 12, 13, 14},
    { 5,  2, 11,  8,  3,  0,  9,  6},
    { 8, 11,  2,  5,  6,  9,  0,  3},
    { 4,  7, 10,  1, 14, 13, 12, 15},
    { 0,  3,  6,  9,  2,  5,  8, 11},
    {12, 15, 14, 13, 10,  1,  4,  7},
};
// clang-format on
// B6 and C6 carry each other's correspondences (their sentences follow the
// table, their network inputs the other group); the pictures show the inputs.
// clang-format off
constexpr unsigned char kLayoutB[8][8] = {
    { 1,  4,  7, 10,  1,  4,  7, 10},
    { 9,  0,  3,  6,  9,  0,  3,  6},
    {13, 12, 15, 14, 13, 12, 15, 14},
    { 5,  8, 11,  2,  5,  8, 11,  2},
    { 0,  9,  6,  3,  0,  9,  6,  3},
    { 4,  1, 10,  7,  4,  1, 10,  7},
    { 8,  5,  2, 11,  8,  5,  2, 11},
    {12, 13, 14, 15, 12, 13, 14, 15},
};
// clang-format on

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
    const bool layoutA = letter == 'W' || letter == 'A';
    const auto& layout = layoutA ? kLayoutA : kLayoutB;
    const int row = 8 - rank, column = file - 1;
    if (row < 0 || row > 7 || column < 0 || column > 7) return kGroups[0];
    return kGroups[layout[row][column]];
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
