// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/piece.h"

#include <string>

#include "game/internal_error.h"

namespace vaeloric {

std::int32_t AllyOf(std::int32_t army) {
    switch (army) {
        case 1:
            return 3;
        case 2:
            return 4;
        case 3:
            return 1;
        case 4:
            return 2;
        default:
            throw TInternalError("Impossible army code " + std::to_string(army));
    }
}

std::int32_t PromotionKind(std::int32_t pawnKind) {
    switch (pawnKind) {
        case HorsePawn:
            return Horse;
        case QueenPawn:
            return Queen;
        case RookPawn:
            return Rook;
        case BishopPawn:
            return Bishop;
        default:
            throw TInternalError("Not a pawn kind: " + std::to_string(pawnKind));
    }
}

std::int32_t PawnKindOf(std::int32_t pieceKind) {
    const std::int32_t pawnKind = PawnKindOrEmpty(pieceKind);
    if (pawnKind == Empty)
        throw TInternalError("No pawn for piece kind " + std::to_string(pieceKind));
    return pawnKind;
}

}  // namespace vaeloric
