// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/pictures/picture_ids.h"

#include <algorithm>

namespace vaeloric::picture_ids {
namespace {

// Pyramid rulers, rows rank 8 down to 1, columns files A to H; stored as
// ruler numbers 1..15 (add 8000).
using TRulerTable = unsigned char[8][8];

// clang-format off

constexpr TRulerTable kEarthRulers = {
    {14, 14,  1, 14, 14,  6, 12,  2},
    {15, 15, 15,  1,  1, 12, 12, 12},
    { 7,  3, 15, 14, 14,  3, 12,  6},
    { 5,  7, 15, 14, 14, 14,  1, 14},
    { 3, 15, 12,  9,  9, 15, 12,  4},
    { 3, 14,  6, 12, 12,  1, 12, 12},
    { 3,  7, 14, 15, 15, 15,  1, 15},
    { 3,  3,  3,  3,  3, 15, 12,  9},
};
constexpr TRulerTable kAirRulers = {
    { 5, 14, 15,  7, 13, 14,  8,  2},
    { 5, 13, 10, 15, 13, 13,  5,  8},
    { 5,  8, 13, 14,  1, 14,  8, 14},
    { 5,  5,  5,  5, 13,  1, 13, 13},
    { 7, 15, 14,  5, 13, 11, 15,  4},
    {14,  1, 14, 14,  1, 15, 15, 15},
    {15, 15,  1, 15, 13,  5, 15, 11},
    { 3, 15, 14,  7, 13, 13,  1, 13},
};
constexpr TRulerTable kWaterRulers = {
    {14, 14,  1, 14,  2,  2,  2,  2},
    {13, 13, 13,  1, 13, 14,  8,  2},
    { 8,  2, 13, 14, 12,  6, 14,  2},
    { 5,  8, 13, 14, 10, 12, 13,  2},
    {14,  1, 14, 14, 10, 13, 12,  4},
    { 6, 12,  2, 14, 12,  1, 12, 12},
    {12, 12, 12,  1, 13, 13,  1, 13},
    { 3, 12,  6, 14,  2, 13, 12, 10},
};
constexpr TRulerTable kFireRulers = {
    {13,  1, 13, 13, 13, 12, 10,  2},
    {11, 15,  4, 13, 13, 12,  4, 10},
    {15, 15, 15,  1,  1, 12, 12, 12},
    { 5, 15, 11, 13, 13,  1, 13, 13},
    { 9, 15, 12,  4,  4,  4,  4,  4},
    {12,  1, 12, 12, 12, 13, 10,  4},
    {15, 15,  1, 15, 15, 11, 13,  4},
    { 3, 15, 12,  9,  9, 15, 12,  4},
};
// clang-format on

int ArmyBase(int army) {
    switch (army) {
        case 1:
            return 2075;
        case 2:
            return 2045;
        case 3:
            return 2055;
        case 4:
            return 2065;
        default:
            return 0;
    }
}

}  // namespace

bool IsBoardLetter(char letter) {
    return letter == 'W' || letter == 'A' || letter == 'E' || letter == 'F';
}

int BoardPictureId(char letter) {
    switch (letter) {
        case 'A':
            return 1500;
        case 'W':
            return 1501;
        case 'F':
            return 1502;
        case 'E':
            return 1503;
        default:
            return 0;
    }
}

int GodsSetOffset(char letter) {
    switch (letter) {
        case 'E':
            return 0;
        case 'A':
            return 50;
        case 'W':
            return 100;
        case 'F':
            return 150;
        default:
            return -1;
    }
}

int SquareBase(char letter) {
    const int offset = GodsSetOffset(letter);
    return offset < 0 ? 0 : 5000 + offset * 2;
}

int LargePieceBase(char letter) {
    const int offset = GodsSetOffset(letter);
    return offset < 0 ? 0 : 7000 + offset / 5;
}

int PieceId(int kind, int army, bool symbolic, char letter) {
    const int armyBase = ArmyBase(army);
    if (armyBase == 0) return 0;
    // Pawns: army 2 from 2001, 3 from 2005, 4 from 2009, 1 from 2013.
    if (kind >= 1 && kind <= 4) return kind + 2000 + (armyBase - 2045) / 10 * 4;
    if (kind < 5 || kind > 9) return 0;
    const int offset = symbolic ? 200 : GodsSetOffset(letter);
    return offset < 0 ? 0 : kind + offset + armyBase;
}

int KingBadgeId(int army) {
    const int armyBase = ArmyBase(army);
    return armyBase == 0 ? 0 : armyBase + 210;
}

TOffset KingBadgeOffset(int army) {
    switch (army) {
        case 1:
            return {20, 20};
        case 2:
            return {0, 20};
        case 3:
            return {0, 0};
        case 4:
            return {20, 0};
        default:
            return {0, 0};
    }
}

int SquarePictureId(char letter, int rank, int file, bool vaelericStyle) {
    const int base = SquareBase(letter);
    if (base == 0 || rank < 1 || rank > 8 || file < 1 || file > 8) return 0;
    return base + (file - 1) * 8 + rank + (vaelericStyle ? 1000 : 0);
}

int LargePieceId(char letter, int kind, int companionKind) {
    if (kind >= 1 && kind <= 4) return 7039 + kind;
    if (kind == 10) kind = companionKind;
    const int base = LargePieceBase(letter);
    if (base == 0) return 0;
    switch (kind) {
        case 5:
            return base;
        case 6:
            return base + 1;
        case 7:
            return base + 2;
        case 8:
            return base + 3;
        case 9:
            return base + 4;
        default:
            return 0;
    }
}

int LargeKingOverlayId(char letter) {
    const int base = LargePieceBase(letter);
    return base == 0 ? 0 : base + 5;
}

int RulerId(char letter, int rank, int file) {
    if (rank < 1 || rank > 8 || file < 1 || file > 8) return 0;
    const TRulerTable* table = nullptr;
    switch (letter) {
        case 'E':
            table = &kEarthRulers;
            break;
        case 'A':
            table = &kAirRulers;
            break;
        case 'W':
            table = &kWaterRulers;
            break;
        case 'F':
            table = &kFireRulers;
            break;
        default:
            return 0;
    }
    return 8000 + (*table)[8 - rank][file - 1];
}

int HeldPieceCursorId(int kind) {
    switch (kind) {
        case 1:
        case 2:
        case 3:
        case 4:
            return 1002;
        case 5:
            return 1003;
        case 6:
            return 1004;
        case 7:
            return 1005;
        case 8:
            return 1006;
        case 9:
            return 1009;
        default:
            return kBoardCursor;
    }
}

std::vector<int> AllIds(char letter) {
    std::vector<int> ids;
    if (!IsBoardLetter(letter)) return ids;
    ids.push_back(kIcon);
    for (int id = 419; id <= 424; ++id) ids.push_back(id);
    for (int face = 1; face <= 6; ++face) ids.push_back(kDieFaceBase + face);
    ids.push_back(kPtahMarker);
    for (int id : {1001, 1002, 1003, 1004, 1005, 1006, 1009}) ids.push_back(id);
    ids.push_back(BoardPictureId(letter));
    for (int id : {kThrowUp, kThrowDown, kEnterUp, kEnterDown, kMoveUp, kMoveDown})
        ids.push_back(id);
    for (int id = 2001; id <= 2016; ++id) ids.push_back(id);
    for (bool symbolic : {false, true}) {
        for (int army = 1; army <= 4; ++army)
            for (int kind = 5; kind <= 9; ++kind)
                ids.push_back(PieceId(kind, army, symbolic, letter));
    }
    for (int army = 1; army <= 4; ++army) ids.push_back(KingBadgeId(army));
    for (bool vaeleric : {false, true})
        for (int file = 1; file <= 8; ++file)
            for (int rank = 1; rank <= 8; ++rank)
                ids.push_back(SquarePictureId(letter, rank, file, vaeleric));
    for (int offset = 0; offset <= 5; ++offset) ids.push_back(LargePieceBase(letter) + offset);
    for (int id = 7040; id <= 7043; ++id) ids.push_back(id);
    for (int id = kFirstRuler; id <= kPtahOverlay; ++id) ids.push_back(id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

}  // namespace vaeloric::picture_ids
