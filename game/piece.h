// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vaeloric {

enum PieceKind : std::int32_t {
    Empty = 0,
    HorsePawn = 1,
    QueenPawn = 2,
    RookPawn = 3,
    BishopPawn = 4,
    Queen = 5,
    Horse = 6,
    Rook = 7,
    King = 8,
    Bishop = 9,
    CombinedKing = 10,
};

// Army codes. 1 and 3 are allies against 2 and 4.
enum Army : std::int32_t { Fire = 1, Earth = 2, Air = 3, Water = 4 };

constexpr std::int32_t kEmptyValue = -2147483647;

struct TPiece {
    std::int32_t kind = Empty;
    std::int32_t army = 0;
    std::int32_t ally = 0;
    std::int32_t playerCode = 0;
    std::int32_t value = kEmptyValue;

    friend bool operator==(const TPiece&, const TPiece&) = default;
};

constexpr bool IsPawnKind(std::int32_t kind) {
    return kind >= HorsePawn && kind <= BishopPawn;
}

// Throws TInternalError for an army outside 1..4.
std::int32_t AllyOf(std::int32_t army);

constexpr std::int32_t NextArmy(std::int32_t army) {
    return army == 4 ? 1 : army + 1;
}
constexpr std::int32_t PreviousArmy(std::int32_t army) {
    return army == 1 ? 4 : army - 1;
}

// The pawn kind standing in front of a piece kind, whose pawns gain 5 when
// a piece of this kind is captured; Empty for pawns, Kings and CombinedKings.
constexpr std::int32_t PawnKindOrEmpty(std::int32_t kind) {
    switch (kind) {
        case Queen:
            return QueenPawn;
        case Horse:
            return HorsePawn;
        case Rook:
            return RookPawn;
        case Bishop:
            return BishopPawn;
        default:
            return Empty;
    }
}

// The piece kind a pawn kind promotes to, and the pawn kind standing in front
// of a piece kind. Throw for kinds that have none.
std::int32_t PromotionKind(std::int32_t pawnKind);
std::int32_t PawnKindOf(std::int32_t pieceKind);

// The kind named by an order-string letter (E Rook, H Horse, R Bishop,
// S Queen); Empty for any other letter.
constexpr std::int32_t KindOfOrderLetter(char letter) {
    switch (letter) {
        case 'E':
            return Rook;
        case 'H':
            return Horse;
        case 'R':
            return Bishop;
        case 'S':
            return Queen;
        default:
            return Empty;
    }
}

}  // namespace vaeloric
