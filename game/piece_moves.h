// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "game/board.h"
#include "game/die_face.h"
#include "game/square_record.h"

namespace vaeloric {

// Where one piece may go on a throw: the destinations of the army's legal
// moves that start on its square, in the scan's order. A piece reaches at
// most 63 squares, and one square once.
struct TPieceDestinations {
    std::array<SquareRecord, 64> squares{};
    int count = 0;

    const SquareRecord* begin() const { return squares.data(); }
    const SquareRecord* end() const { return squares.data() + count; }
    bool Contains(TSquare square) const;
};

// The destinations of the piece on `from` among the legal moves of `army`
// for `face`; none when the square holds no piece of the army or the face
// does not let it move. The board is unchanged on return.
TPieceDestinations PieceDestinations(TBoard& board, std::int32_t army, TDieFace face, TSquare from);

}  // namespace vaeloric
