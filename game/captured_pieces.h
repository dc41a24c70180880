// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/board.h"

namespace vaeloric {

// One piece an army has lost, with what a piece of its kind is worth to
// that army.
struct TLostPiece {
    std::int32_t kind = Empty;
    std::int32_t value = 0;
    friend bool operator==(const TLostPiece&, const TLostPiece&) = default;
};

// The pieces of each army (1..4; 0 unused) that are no longer on the board:
// its set-up's pieces less those still standing, a King joined with its
// companion counted as both, and a promoted pawn counted as the piece it
// became. Worth most first. Found from the position alone, so that a saved
// or continued game shows the same.
std::array<std::vector<TLostPiece>, 5> LostPieces(const TBoard& board);

// The sum of their values.
std::int32_t TotalValue(const std::vector<TLostPiece>& pieces);

}  // namespace vaeloric
