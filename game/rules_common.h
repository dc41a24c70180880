// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small inline helpers shared by the move and check code. Internal to game/.

#include <cstdint>

#include "game/board.h"
#include "game/piece.h"
#include "game/square_record.h"

namespace vaeloric::rules {

constexpr bool ValidArmy(std::int32_t army) {
    return army >= 1 && army <= 4;
}

// AllyOf for an army already known to be 1..4 (1-3, 2-4).
constexpr std::int32_t AllyOfValid(std::int32_t army) {
    return ((army + 1) & 3) + 1;
}

// Kept out of line so that the checks cost the hot paths one branch.
[[noreturn]] void ThrowBadArmy(std::int32_t army);
[[noreturn]] void ThrowBadKind(std::int32_t kind);

inline std::int32_t CheckedAlly(std::int32_t army) {
    if (!ValidArmy(army)) [[unlikely]]
        ThrowBadArmy(army);
    return AllyOfValid(army);
}

// True for a piece of the army or of its ally; never for the empty piece.
constexpr bool IsFriend(const TPiece& piece, std::int32_t army, std::int32_t ally) {
    return piece.army == army || piece.army == ally;
}

constexpr bool IsKingKind(std::int32_t kind) {
    return kind == King || kind == CombinedKing;
}

inline SquareRecord MakeRecord(int rank, int file, const TPiece& onSquare, std::int32_t promotes) {
    return SquareRecord::Onto(TSquare{rank, file}, onSquare, promotes);
}

}  // namespace vaeloric::rules
