// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "game/die_face.h"
#include "game/square_record.h"

namespace vaeloric {

// Everything about the game in progress that is not on the board. The army to
// move is kept in the board.
struct TTurnState {
    TDieFace throwValue = 0;  // 0 while no throw is pending, else the face 1..6

    std::array<std::int32_t, 5> checkmated{0, 0, 0, 0, 0};  // armies 1..4

    // The square the information panel describes: after a move, its
    // destination with the capture.
    SquareRecord lastMove;

    // The last move made, for its marks on the board: from, to and the army
    // that made it (0 before the first move of a set-up or load).
    TSquare moveFrom{0, 0}, moveTo{0, 0};
    std::int32_t mover = 0;

    // The Questioner's King has reached the Ptah square.
    bool ptahReached = false;

    // Cleared state of a new game.
    void Reset() { *this = TTurnState{}; }
};

}  // namespace vaeloric
