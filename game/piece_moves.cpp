// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/piece_moves.h"

#include "game/legal_scan.h"

namespace vaeloric {

bool TPieceDestinations::Contains(TSquare square) const {
    for (const SquareRecord& to : *this)
        if (SquaresEqual(to.Square(), square)) return true;
    return false;
}

TPieceDestinations PieceDestinations(TBoard& board, std::int32_t army, TDieFace face,
                                     TSquare from) {
    // The same scan that lists the army's legal moves, so that what the
    // board shows is exactly what the rules accept.
    TPieceDestinations out;
    ForEachLegalMove(board, army, face, [&](const SquareRecord& origin, const SquareRecord& to) {
        if (SquaresEqual(origin.Square(), from) && !out.Contains(to.Square()) &&
            out.count < static_cast<int>(out.squares.size()))
            out.squares[out.count++] = to;
        return true;
    });
    return out;
}

}  // namespace vaeloric
