// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which squares the enemies of each side attack, for one board position:
// the answer of CountAttackers(...) > 0 for every square at once, built by
// walking each piece's attacks forwards instead of searching backwards from
// every square. Valid only while no piece moves.

#include <cstdint>

#include "game/board.h"

namespace vaeloric {

// 0 for armies 1 and 3, 1 for armies 2 and 4.
constexpr int SideOf(std::int32_t army) {
    return (army - 1) & 1;
}

class TAttackMap {
  public:
    void Build(const TBoard& board);

    // CountAttackers(board, square, army) > 0.
    bool Attacked(std::int32_t army, int rank, int file) const {
        return (attackedBy[1 - SideOf(army)] >> Bit(rank, file)) & 1u;
    }

    // Whether the square is attacked by the army's enemies once the army's
    // piece on `origin` has left it (the piece itself never attacks for its
    // own side; what stands on the square does not count).
    bool AttackedWithoutOrigin(const TBoard& board, std::int32_t army, TSquare square,
                               TSquare origin) const;

  private:
    static int Bit(int rank, int file) { return (rank - 1) * 8 + (file - 1); }
    void Mark(int side, int rank, int file) {
        attackedBy[side] |= std::uint64_t{1} << Bit(rank, file);
    }

    // Squares attacked by the pieces of side 0 (armies 1, 3) and side 1.
    std::uint64_t attackedBy[2] = {0, 0};
};

}  // namespace vaeloric
