// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "game/board.h"
#include "game/die_face.h"
#include "game/piece_moves.h"

namespace vaeloric {

// Why a piece of the army to move was not picked up, in two short lines for
// the turn panel; it holds for the turn and throw it was given in.
struct TPickUpNote {
    std::string first, second;
    std::int32_t army = 0;
    TDieFace face = 0;
    bool Empty() const { return first.empty(); }
    friend bool operator==(const TPickUpNote&, const TPickUpNote&) = default;
};

// The note for a press on a square of the board with the face thrown, given
// where the piece there may go; empty when there is nothing to explain.
TPickUpNote PickUpNoteFor(const TBoard& board, TSquare square, TDieFace face,
                          const TPieceDestinations& destinations);

}  // namespace vaeloric
